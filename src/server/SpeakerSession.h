#pragma once

#include "SpeechRecognizer.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <deque>
#include <memory>

class QWebSocket;

namespace tolvaran::server {

class RecognitionChannel;
class Room;
class Translator;

// One speaker's stream: the header check, the audio to the recogniser, the
// results and their translations back in order, the finish request and the
// speaker's room, if one was asked for.
class SpeakerSession : public QObject
{
    Q_OBJECT

public:
    // Audio not yet decoded, at most: 30 s. A client that sends faster than
    // that is refused rather than buffered.
    static constexpr qint64 maxBacklogBytes = 30 * 32000;
    // Messages not yet taken by a client that stopped reading, at most.
    static constexpr qint64 maxUnsentBytes = 256 * 1024;
    // After "finished", the client has this long to close before the server does.
    static constexpr int closeGraceMs = 2000;
    // Room updates go out at most this often, the latest counts winning, so
    // that listeners coming and going never flood the speaker.
    static constexpr int roomUpdateIntervalMs = 250;

    // Takes the open socket. room may be null; the session then owns it.
    SpeakerSession(std::unique_ptr<QWebSocket> socket, const QString& targetLanguage, Room* room,
        std::shared_ptr<const RecognitionEngine> engine, Translator& translator, QObject* parent = nullptr);
    ~SpeakerSession() override;

    // Gives up the room, which another connection of the speaker takes over.
    Room* releaseRoom();

signals:
    // The connection has closed; the session deletes itself afterwards.
    void ended();
    // The connection dropped without a close: its room is let go first, to
    // wait for the speaker's return.
    void roomLeft(tolvaran::server::Room* room);

private:
    struct Outgoing
    {
        QString text;
        bool isReady = true;
    };

    void handleBinary(const QByteArray& frame);
    void handleText(const QString& text);
    void handleRecognized(const QList<Recognition>& recognitions);
    void handleFlushed();
    void queue(std::shared_ptr<Outgoing> message);
    void sendReady();
    void send(const QString& text);
    void refuse(const QString& message, int closeCode);
    void sendRoomUpdate();
    void roomChanged();

    QWebSocket* m_socket;
    QString m_targetLanguage;
    QString m_spokenLanguage;
    bool m_isTranslating = false;
    QPointer<Room> m_room;
    Translator& m_translator;
    RecognitionChannel* m_channel;
    bool m_hasHeader = false;
    bool m_isFinishing = false;
    bool m_isClosing = false;
    bool m_wasClosed = false;
    // The odd byte of a frame, completed by the next one.
    QByteArray m_carry;
    qint64 m_utterance = 0;
    QTimer m_roomUpdateTimer;
    bool m_isRoomUpdateDue = false;
    // Results wait here until the translations before them are done.
    std::deque<std::shared_ptr<Outgoing>> m_outbox;
};

} // namespace tolvaran::server
