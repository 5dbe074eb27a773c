#pragma once

#include "model/TranslationModels.h"

#include <QByteArray>
#include <QCoroTask>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <chrono>
#include <deque>

namespace tolvaran {

class AudioCapture;
class AudioPipeline;
class WebSocketService;

// One listening run: the connection to the server and the capture that feeds
// it, and the connection state the windows show. Every start and stop begins
// a new run; after each of its waits an operation goes on only while its run
// is still the current one, so a quick stop-then-start (or start-then-stop)
// never lets the older operation act on the newer run.
//
// A connection that fails while listening is opened again by itself, with
// growing pauses, for as long as the run lasts; capture goes on meanwhile.
// The audio the server may not have (sent since its last pong, or captured
// while no connection was open) is kept, up to a minute, and the new
// connection begins with the stream header and that audio. Main thread.
class ListeningSession : public QObject
{
    Q_OBJECT
    Q_PROPERTY(tolvaran::ConnectionState state READ state NOTIFY stateChanged)
    Q_PROPERTY(QString statusText READ statusText NOTIFY stateChanged)
    Q_PROPERTY(bool isListening READ isListening NOTIFY stateChanged)
    Q_PROPERTY(bool isReconnecting READ isReconnecting NOTIFY stateChanged)

public:
    struct Request
    {
        QString serverURL;
        QString language;
        bool createRoom = false;
        QStringList speakerLanguageHints;
    };

    // Audio kept for a new connection: one minute of 16 kHz 16-bit mono.
    static constexpr qint64 maxReplayBytes = 60 * 32'000;

    // The pipeline's chunks for the server go to webSocket.
    ListeningSession(
        AudioCapture& capture, AudioPipeline& pipeline, WebSocketService& webSocket, QObject* parent = nullptr);

    const ConnectionState& state() const { return m_state; }

    void setState(const ConnectionState& state);

    // "Reconnecting…" while listening waits for a new connection.
    QString statusText() const;

    bool isListening() const { return m_state.kind() == ConnectionState::Kind::listening; }

    bool isReconnecting() const { return m_isReconnecting; }

    // The room this run's server opened: a reconnect asks to take it over.
    void setRoomId(const QString& roomId) { m_roomId = roomId; }

    const QString& roomId() const { return m_roomId; }

    // Pauses between reconnection attempts: the first, doubling up to the last.
    void setRetryDelays(std::chrono::milliseconds first, std::chrono::milliseconds last);

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
    // A new connection's stream begins: with the last replayedBytes of PCM
    // that capture delivered before this moment, then what follows.
    void streamRestarted(qint64 replayedBytes);

private:
    struct Kept
    {
        QByteArray pcm;
        // The sendAudio call that sent it on the open connection; 0: not sent there.
        qint64 sendNumber = 0;
    };

    void takeChunk(const QByteArray& chunk);
    void send(Kept& kept);
    void keep(Kept kept);
    void confirm(qint64 sendNumber);
    void connectionLost(const QString& description);
    void attemptReconnect();
    void opened();
    void endReconnecting();
    void setIsReconnecting(bool reconnecting);

    AudioCapture& m_capture;
    AudioPipeline& m_pipeline;
    WebSocketService& m_webSocket;
    ConnectionState m_state = ConnectionState::disconnected();
    quint64 m_run = 0;
    Request m_request;
    QString m_roomId;
    bool m_isStopping = false;
    // The capture's first chunk carries its header, which each connection
    // sends for itself.
    bool m_isCaptureFresh = false;
    bool m_needsHeader = false;
    std::deque<Kept> m_kept;
    qint64 m_keptBytes = 0;
    qint64 m_droppedBytes = 0;
    qint64 m_replayedBytes = 0;
    bool m_isReconnecting = false;
    // Whether this run's connection has ever been opened.
    bool m_hasOpened = false;
    QTimer m_retryTimer;
    std::chrono::milliseconds m_firstRetryDelay{500};
    std::chrono::milliseconds m_lastRetryDelay{8000};
    std::chrono::milliseconds m_retryDelay{500};
};

} // namespace tolvaran
