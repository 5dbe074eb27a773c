#include "TestTranslationServer.h"

#include <QCryptographicHash>
#include <QTcpSocket>
#include <QWebSocket>
#include <QWebSocketCorsAuthenticator>

namespace tolvaran::test {

TestTranslationServer::TestTranslationServer(QObject* parent)
    : QObject(parent)
    , m_webSockets(QStringLiteral("tolvaran-test-server"), QWebSocketServer::NonSecureMode)
{
    // The TCP side is ours, so that a handshake can also be left unanswered.
    if (!m_tcp.listen(QHostAddress::LocalHost, 0))
        qFatal("test server cannot listen: %s", qPrintable(m_tcp.errorString()));
    connect(&m_tcp, &QTcpServer::newConnection, this, &TestTranslationServer::acceptTcp);
    connect(&m_webSockets, &QWebSocketServer::newConnection, this, &TestTranslationServer::acceptWebSocket);
    connect(
        &m_webSockets, &QWebSocketServer::originAuthenticationRequired, this,
        [this](QWebSocketCorsAuthenticator* authenticator) {
            authenticator->setAllowed(m_handshake != Handshake::refuse);
        },
        Qt::DirectConnection);
}

TestTranslationServer::~TestTranslationServer()
{
    for (const auto& socket : std::as_const(m_sockets)) {
        if (socket)
            socket->abort();
    }
}

QString TestTranslationServer::url() const
{
    return QStringLiteral("ws://127.0.0.1:%1").arg(m_tcp.serverPort());
}

void TestTranslationServer::acceptTcp()
{
    while (QTcpSocket* socket = m_tcp.nextPendingConnection()) {
        ++m_tcpConnectionCount;
        // Connected before the handshake handler, so this sees the request first;
        // a URL parsed on the server side would hide a doubled slash.
        const quint16 port = socket->peerPort();
        connect(socket, &QTcpSocket::readyRead, this, [this, socket, port] {
            if (m_requestTargets.contains(port))
                return;
            const QList<QByteArray> requestLine = socket->peek(8192).split('\n').first().trimmed().split(' ');
            if (requestLine.size() == 3)
                m_requestTargets.insert(port, QString::fromUtf8(requestLine[1]));
        });
        if (m_handshake == Handshake::hang) {
            socket->setParent(this);
            m_hanging.append(socket);
        } else if (m_handshake == Handshake::deaf) {
            socket->setParent(this);
            m_hanging.append(socket);
            answerDeafly(socket);
        } else {
            m_webSockets.handleConnection(socket);
        }
    }
}

QByteArray upgradeAnswer(const QByteArray& request)
{
    QByteArray key;
    for (const QByteArray& line : request.split('\n')) {
        if (line.toLower().startsWith("sec-websocket-key:"))
            key = line.mid(line.indexOf(':') + 1).trimmed();
    }
    const QByteArray accept
        = QCryptographicHash::hash(key + "258EAFA5-E914-47DA-95CA-C5AB0DC85B11", QCryptographicHash::Sha1).toBase64();
    return "HTTP/1.1 101 Switching Protocols\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n"
           "Sec-WebSocket-Accept: "
        + accept + "\r\n\r\n";
}

// The upgrade answered by hand (RFC 6455, 4.2.2); afterwards the socket is
// never read again, so pings go unanswered, as behind a dead NAT entry.
void TestTranslationServer::answerDeafly(QTcpSocket* socket)
{
    connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
        if (socket->property("answered").toBool())
            return;
        const QByteArray request = socket->peek(8192);
        if (!request.contains("\r\n\r\n"))
            return;
        socket->write(upgradeAnswer(request));
        socket->setProperty("answered", true);
        ++m_deafConnectionCount;
    });
}

void TestTranslationServer::acceptWebSocket()
{
    while (QWebSocket* socket = m_webSockets.nextPendingConnection()) {
        socket->setParent(this);
        const qsizetype index = m_connections.size();
        m_connections.append(Connection{
            m_requestTargets.take(socket->peerPort()), socket->requestUrl(), {}, {}, {}, true, std::nullopt});
        m_sockets.append(socket);
        connect(socket, &QWebSocket::binaryMessageReceived, this, [this, index](const QByteArray& frame) {
            m_connections[index].binaryFrames.append(frame);
            m_connections[index].frameKinds.append(QStringLiteral("binary"));
            emit binaryFrameReceived(frame);
        });
        connect(socket, &QWebSocket::textMessageReceived, this, [this, index](const QString& text) {
            m_connections[index].textFrames.append(text);
            m_connections[index].frameKinds.append(QStringLiteral("text"));
            emit textFrameReceived(text);
        });
        connect(socket, &QWebSocket::disconnected, this, [this, index, socket] {
            Connection& connection = m_connections[index];
            connection.isOpen = false;
            if (socket->closeCode() != QWebSocketProtocol::CloseCodeAbnormalDisconnection)
                connection.closeCode = socket->closeCode();
            emit clientDisconnected();
        });
        emit clientConnected();
    }
}

void TestTranslationServer::sendText(const QString& text)
{
    if (!m_sockets.isEmpty() && m_sockets.last())
        m_sockets.last()->sendTextMessage(text);
}

void TestTranslationServer::sendBinary(const QByteArray& bytes)
{
    if (!m_sockets.isEmpty() && m_sockets.last())
        m_sockets.last()->sendBinaryMessage(bytes);
}

void TestTranslationServer::closeWith(QWebSocketProtocol::CloseCode code, const QString& reason)
{
    if (!m_sockets.isEmpty() && m_sockets.last())
        m_sockets.last()->close(code, reason);
}

void TestTranslationServer::flush()
{
    if (!m_sockets.isEmpty() && m_sockets.last())
        m_sockets.last()->flush();
}

void TestTranslationServer::dropConnection()
{
    if (!m_sockets.isEmpty() && m_sockets.last())
        m_sockets.last()->abort();
}

} // namespace tolvaran::test
