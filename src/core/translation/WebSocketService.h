#pragma once

#include "protocol/ServerMessages.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QUrl>

#include <deque>
#include <optional>

class QSslError;
class QWebSocket;

namespace tolvaran {

// The one connection to the translation server: audio goes out as binary
// frames, the server's JSON messages come back as signals. Everything here,
// signals included, runs on the main thread; signals come one message at a
// time, in arrival order. It pings the server every few seconds, which
// tells a connection that has silently died and which audio has reached the
// server; reconnecting is its caller's decision.
class WebSocketService : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool isConnected READ isConnected NOTIFY isConnectedChanged)
    Q_PROPERTY(QString lastError READ lastErrorText NOTIFY lastErrorChanged)
    Q_PROPERTY(QString serverURL READ serverURL WRITE setServerURL NOTIFY serverURLChanged)
    Q_PROPERTY(qint64 audioBytesSent READ audioBytesSent NOTIFY audioBytesSentChanged)
    Q_PROPERTY(qint64 sendCount READ sendCount NOTIFY sendCountChanged)

public:
    // The server sends small JSON texts; anything larger ends the connection.
    static constexpr qint64 maxIncomingMessageSize = 1024 * 1024;
    // Audio handed over before the handshake has finished waits, up to this much.
    static constexpr qint64 maxPendingBytes = 16 * 1024 * 1024;
    // Messages that arrived and wait for their turn hold at most this much
    // (plus one message): beyond it they are handled at once, so reading
    // slows to the pace of handling and the server's sends wait in TCP.
    static constexpr qint64 maxIncomingBacklogBytes = 1024 * 1024;
    // What the socket reads ahead of the message decoder: one frame of the
    // largest size and its header, as a frame is decoded only once it is whole.
    static constexpr qint64 readBufferBytes = maxIncomingMessageSize + 14;

    explicit WebSocketService(QObject* parent = nullptr);
    ~WebSocketService() override;

    // Closes any earlier connection and starts a new one. Success or failure
    // shows later, through isConnected, lastError and errorOccurred.
    // resumeRoomId: the room of a connection that dropped, to take over.
    void connect(const QString& language, bool createRoom, const QStringList& speakerLanguageHints,
        const QString& resumeRoomId = {});
    // Closes with code 1000; harmless when nothing is open. Reports nothing.
    void disconnect();
    // One chunk, one binary message; dropped (and logged) when not connected.
    void sendAudio(const QByteArray& data);
    // Asks the server to end the stream; nothing when not connected.
    void sendFinish();

    bool isConnected() const { return m_isConnected; }

    const std::optional<QString>& lastError() const { return m_lastError; }

    QString lastErrorText() const { return m_lastError.value_or(QString()); }

    QString serverURL() const { return m_serverURL; }

    void setServerURL(const QString& url);

    qint64 audioBytesSent() const { return m_audioBytesSent; }

    qint64 sendCount() const { return m_sendCount; }

    // Memory held by messages that arrived and are not yet handled.
    qint64 incomingBacklogBytes() const { return m_incomingBytes; }

    // A handshake that gets no answer fails after this long (10 s).
    void setHandshakeTimeout(int milliseconds) { m_handshakeTimer.setInterval(milliseconds); }

    // A ping every intervalMs while open; a connection whose pong is
    // timeoutMs late has failed.
    void setKeepAlive(int intervalMs, int timeoutMs);

signals:
    void resultReceived(const tolvaran::TranslationResult& result);
    // The server finished the stream it was asked to finish.
    void finishReceived();
    // A server error message (the connection stays open), or the failure
    // of the connection.
    void errorOccurred(const QString& description);
    // The handshake has finished; audio handed over before it has gone out.
    void opened();
    // The connection failed while open (emitted before errorOccurred).
    void connectionLost(const QString& description);
    // Every audio frame up to the sendNumber-th sendAudio call has reached
    // the server: it answered a ping sent after them.
    void audioConfirmed(qint64 sendNumber);
    // A server notice; the stream goes on.
    void noticeReceived(const QString& text);
    void roomCreated(const QString& roomId);
    void roomUpdated(qint64 subscriberCount, const QList<tolvaran::LanguageSubscriberCount>& languages);
    void isConnectedChanged();
    void lastErrorChanged();
    void serverURLChanged();
    void audioBytesSentChanged();
    void sendCountChanged();

private:
    struct Failure
    {
        QString description;
    };

    using Incoming = std::variant<QString, Failure>;

    struct Ping
    {
        quint64 number = 0;
        qint64 sendCount = 0;
        qint64 sentAtMs = 0;
    };

    void watch(QWebSocket* socket);
    void sendPing();
    void receivePong(const QByteArray& payload);
    void armPongTimer();
    void stopKeepAlive();
    static qint64 costOf(const Incoming& incoming);
    void enqueue(Incoming incoming);
    void drainIncoming();
    void handleFront();
    void clearIncoming();
    void handleText(const QString& text);
    void fail(const QString& description);
    void flushPending();
    void sendBinaryNow(const QByteArray& data);
    void setIsConnected(bool connected);
    void setLastError(const std::optional<QString>& error);
    QString beforeOpenDescribed(QString description) const;
    QString couldNotReach(QString description) const;
    // What is wrong with the server's certificate, in the user's words.
    static QString certificateProblem(const QList<QSslError>& errors);
    QString closedDescription(const QWebSocket& socket) const;

    bool m_isConnected = false;
    std::optional<QString> m_lastError;
    QString m_serverURL = QStringLiteral("ws://localhost:3000");
    QPointer<QWebSocket> m_webSocket;
    qint64 m_audioBytesSent = 0;
    qint64 m_sendCount = 0;
    // Audio arrives 50 times a second: a missing connection is told once.
    bool m_toldNotConnected = false;

    // What arrived and is not yet handled, for the current connection only.
    std::deque<Incoming> m_incoming;
    qint64 m_incomingBytes = 0;
    QTimer m_drainTimer;
    // Frames handed over before the handshake finished, sent in order after it.
    std::deque<std::variant<QByteArray, QString>> m_pending;
    qint64 m_pendingBytes = 0;
    QTimer m_handshakeTimer;
    QTimer m_pingTimer;
    QTimer m_pongTimer;
    int m_pongTimeoutMs = 15'000;
    std::deque<Ping> m_pings;
    quint64 m_pingNumber = 0;
    QElapsedTimer m_clock;
    // Set when the handshake refused the server's certificate.
    QString m_certificateProblem;
};

} // namespace tolvaran
