#pragma once

#include "model/TranslationModels.h"

#include <QCoroTask>
#include <QObject>
#include <QStringList>

namespace tolvaran {

class AudioCapture;
class AudioPipeline;
class WebSocketService;

// One listening run: the connection to the server and the capture that feeds
// it, and the connection state the windows show. Every start and stop begins
// a new run; after each of its waits an operation goes on only while its run
// is still the current one, so a quick stop-then-start (or start-then-stop)
// never lets the older operation act on the newer run. Main thread.
class ListeningSession : public QObject
{
    Q_OBJECT
    Q_PROPERTY(tolvaran::ConnectionState state READ state NOTIFY stateChanged)
    Q_PROPERTY(QString statusText READ statusText NOTIFY stateChanged)
    Q_PROPERTY(bool isListening READ isListening NOTIFY stateChanged)

public:
    struct Request
    {
        QString serverURL;
        QString language;
        bool createRoom = false;
        QStringList speakerLanguageHints;
    };

    // The pipeline's chunks for the server go to webSocket.
    ListeningSession(
        AudioCapture& capture, AudioPipeline& pipeline, WebSocketService& webSocket, QObject* parent = nullptr);

    const ConnectionState& state() const { return m_state; }

    void setState(const ConnectionState& state);

    QString statusText() const { return m_state.statusText(); }

    bool isListening() const { return m_state.kind() == ConnectionState::Kind::listening; }

    // Connects and starts capture together, then checks the connection 0.5 s
    // after it was begun. True when it is listening;
    // false when it failed (the state holds the error) or a later start or
    // stop took over meanwhile.
    QCoro::Task<bool> start(Request request);

    // Stops capture and asks the server to finish, then waits 1 s for its
    // last results. True when the caller should now close(); false when a
    // later start took over meanwhile.
    QCoro::Task<bool> stop();

    // Disconnects: the end of a stop.
    void close();

signals:
    void stateChanged();

private:
    AudioCapture& m_capture;
    AudioPipeline& m_pipeline;
    WebSocketService& m_webSocket;
    ConnectionState m_state = ConnectionState::disconnected();
    quint64 m_run = 0;
};

} // namespace tolvaran
