#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTcpServer>
#include <QUrl>
#include <QWebSocketProtocol>
#include <QWebSocketServer>

#include <optional>

class QTcpSocket;
class QWebSocket;

namespace tolvaran::test {

// The server's answer to a WebSocket upgrade request, written by hand.
QByteArray upgradeAnswer(const QByteArray& request);

// A scripted WebSocket peer on 127.0.0.1 for tests: it records what clients
// send and answers as the test tells it to, or misbehaves on purpose.
class TestTranslationServer : public QObject
{
    Q_OBJECT

public:
    enum class Handshake {
        accept,
        refuse, // answers the upgrade with 403
        hang, // accepts TCP and never answers
        deaf, // completes the handshake, then reads nothing and answers no ping
    };

    struct Connection
    {
        // The request target exactly as sent, such as "/translate?lang=de".
        QString requestTarget;
        QUrl requestUrl;
        QList<QByteArray> binaryFrames;
        QStringList textFrames;
        // "binary" and "text", one per frame, in arrival order.
        QStringList frameKinds;
        bool isOpen = true;
        // The close code the client sent, once it has closed.
        std::optional<QWebSocketProtocol::CloseCode> closeCode;
    };

    explicit TestTranslationServer(QObject* parent = nullptr);
    ~TestTranslationServer() override;

    // "ws://127.0.0.1:<port>", without a trailing slash.
    QString url() const;

    void setHandshake(Handshake handshake) { m_handshake = handshake; }

    // Every accepted connection, in order.
    const QList<Connection>& connections() const { return m_connections; }

    // Raw TCP connections seen, including refused and hanging ones.
    int tcpConnectionCount() const { return m_tcpConnectionCount; }

    // Handshakes answered in deaf mode.
    int deafConnectionCount() const { return m_deafConnectionCount; }

    // These act on the latest accepted connection.
    void sendText(const QString& text);
    void sendBinary(const QByteArray& bytes);
    void closeWith(QWebSocketProtocol::CloseCode code, const QString& reason = {});
    // Hands everything sent so far to the operating system at once.
    void flush();
    // Drops the TCP connection without a close handshake.
    void dropConnection();

signals:
    void clientConnected();
    void binaryFrameReceived(const QByteArray& frame);
    void textFrameReceived(const QString& text);
    void clientDisconnected();

private:
    void acceptTcp();
    void acceptWebSocket();
    void answerDeafly(QTcpSocket* socket);

    QTcpServer m_tcp;
    QWebSocketServer m_webSockets;
    Handshake m_handshake = Handshake::accept;
    QList<Connection> m_connections;
    QList<QPointer<QWebSocket>> m_sockets;
    QList<QPointer<QTcpSocket>> m_hanging;
    int m_tcpConnectionCount = 0;
    int m_deafConnectionCount = 0;
    // Request targets by the client's port, read before the handshake is answered.
    QHash<quint16, QString> m_requestTargets;
};

} // namespace tolvaran::test
