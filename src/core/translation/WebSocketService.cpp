#include "WebSocketService.h"

#include "protocol/SessionURL.h"

#include <QCoreApplication>
#include <QLocale>
#include <QLoggingCategory>
#include <QSslError>
#include <QStringDecoder>
#include <QWebSocket>

#include <algorithm>

// What people say must not reach the system log unless asked for: contents
// are logged at debug level, which is off unless QT_LOGGING_RULES turns it on.
Q_LOGGING_CATEGORY(lcWebSocket, "com.tolvaran.app.WebSocket", QtInfoMsg)

namespace tolvaran {

namespace {

// One turn of message handling stops after this long, so a flood of messages
// never keeps the event loop (and with it the windows) from running.
constexpr qint64 drainSliceMs = 8;

// Waits for a close handshake before the socket is let go.
constexpr int closeGraceMs = 2000;

} // namespace

WebSocketService::WebSocketService(QObject* parent)
    : QObject(parent)
{
    m_drainTimer.setSingleShot(true);
    m_drainTimer.setInterval(0);
    QObject::connect(&m_drainTimer, &QTimer::timeout, this, &WebSocketService::drainIncoming);
    m_handshakeTimer.setSingleShot(true);
    // A server that takes the connection and never answers the upgrade (or
    // an address that swallows it) must not hold a reconnect attempt forever.
    m_handshakeTimer.setInterval(10'000);
    QObject::connect(&m_handshakeTimer, &QTimer::timeout, this, [this] {
        enqueue(Failure{couldNotReach(QCoreApplication::translate("WebSocketService", "The request timed out."))});
    });
    m_pingTimer.setInterval(5'000);
    QObject::connect(&m_pingTimer, &QTimer::timeout, this, &WebSocketService::sendPing);
    m_pongTimer.setSingleShot(true);
    QObject::connect(&m_pongTimer, &QTimer::timeout, this,
        [this] { enqueue(Failure{QCoreApplication::translate("WebSocketService", "The server stopped answering.")}); });
    m_clock.start();
}

void WebSocketService::setKeepAlive(int intervalMs, int timeoutMs)
{
    m_pingTimer.setInterval(intervalMs);
    m_pongTimeoutMs = timeoutMs;
}

WebSocketService::~WebSocketService()
{
    disconnect();
}

void WebSocketService::connect(
    const QString& language, bool createRoom, const QStringList& speakerLanguageHints, const QString& resumeRoomId)
{
    disconnect();

    const QString text = sessionURLText(m_serverURL, language, createRoom, speakerLanguageHints, resumeRoomId);
    const std::optional<QUrl> url = parseSessionURL(text);
    if (!url) {
        setLastError(QCoreApplication::translate("WebSocketService", "Invalid server URL"));
        return;
    }

    m_certificateProblem.clear();
    auto* socket = new QWebSocket(QString(), QWebSocketProtocol::VersionLatest, this);
    socket->setMaxAllowedIncomingMessageSize(maxIncomingMessageSize);
    socket->setMaxAllowedIncomingFrameSize(maxIncomingMessageSize);
    socket->setReadBufferSize(readBufferBytes);
    m_webSocket = socket;
    watch(socket);
    // Started first: a refusal on this machine may be reported within open().
    m_handshakeTimer.start();
    socket->open(*url);

    m_toldNotConnected = false;
    setIsConnected(true);
    setLastError(std::nullopt);
    qCInfo(lcWebSocket, "WebSocket connecting to: %s", qUtf8Printable(text));
}

// Every event of a socket is tied to it: once another connection has taken
// its place, nothing the old one does reaches this service.
void WebSocketService::watch(QWebSocket* socket)
{
    QObject::connect(socket, &QWebSocket::connected, this, [this, socket] {
        if (socket != m_webSocket)
            return;
        m_handshakeTimer.stop();
        flushPending();
        m_pingTimer.start();
        emit opened();
    });
    QObject::connect(socket, &QWebSocket::pong, this, [this, socket](quint64, const QByteArray& payload) {
        if (socket == m_webSocket)
            receivePong(payload);
    });
    QObject::connect(socket, &QWebSocket::textMessageReceived, this, [this, socket](const QString& text) {
        if (socket == m_webSocket)
            enqueue(text);
    });
    QObject::connect(socket, &QWebSocket::binaryMessageReceived, this, [this, socket](const QByteArray& bytes) {
        if (socket != m_webSocket)
            return;
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString text = decoder.decode(bytes);
        if (decoder.hasError())
            return; // not UTF-8: dropped like any undecodable message
        enqueue(std::move(text));
    });
    // The errors are never ignored: the handshake fails, and says why.
    QObject::connect(socket, &QWebSocket::sslErrors, this, [this, socket](const QList<QSslError>& errors) {
        if (socket == m_webSocket)
            m_certificateProblem = certificateProblem(errors);
    });
    QObject::connect(socket, qOverload<QAbstractSocket::SocketError>(&QWebSocket::error), this,
        [this, socket](QAbstractSocket::SocketError) {
            if (socket != m_webSocket)
                return;
            if (!m_certificateProblem.isEmpty())
                enqueue(Failure{m_certificateProblem});
            else
                enqueue(Failure{beforeOpenDescribed(socket->errorString())});
        });
    QObject::connect(socket, &QWebSocket::disconnected, this, [this, socket] {
        if (socket != m_webSocket)
            return;
        if (!m_certificateProblem.isEmpty())
            enqueue(Failure{m_certificateProblem});
        else
            enqueue(Failure{beforeOpenDescribed(closedDescription(*socket))});
    });
}

QString WebSocketService::beforeOpenDescribed(QString description) const
{
    // Before the handshake the user needs to know which address failed and
    // where it is set.
    if (!m_handshakeTimer.isActive() || description.isEmpty())
        return description;
    return couldNotReach(std::move(description));
}

QString WebSocketService::couldNotReach(QString description) const
{
    // The reason continues the sentence, so it starts in lower case, except
    // in German, where a reason's first word is mostly a noun.
    if (!description.isEmpty() && QLocale().language() != QLocale::German)
        description[0] = description[0].toLower();
    while (description.endsWith(u'.'))
        description.chop(1);
    return QCoreApplication::translate("WebSocketService", "Could not reach %1: %2. Check Settings → Connection.")
        .arg(m_serverURL, description);
}

QString WebSocketService::certificateProblem(const QList<QSslError>& errors)
{
    bool isExpired = false;
    bool isForAnotherHost = false;
    for (const QSslError& error : errors) {
        switch (error.error()) {
        case QSslError::CertificateExpired:
        case QSslError::CertificateNotYetValid:
            isExpired = true;
            break;
        case QSslError::HostNameMismatch:
            isForAnotherHost = true;
            break;
        default:
            break;
        }
    }
    if (errors.isEmpty())
        return {};
    if (isExpired)
        return QCoreApplication::translate("WebSocketService", "The server's certificate has expired");
    if (isForAnotherHost)
        return QCoreApplication::translate("WebSocketService", "The server's certificate is for another host");
    return QCoreApplication::translate("WebSocketService", "The server's certificate is not trusted");
}

QString WebSocketService::closedDescription(const QWebSocket& socket) const
{
    if (socket.error() != QAbstractSocket::UnknownSocketError)
        return socket.errorString();
    if (!socket.closeReason().isEmpty())
        return socket.closeReason();
    return QCoreApplication::translate("WebSocketService", "The server closed the connection (code %1)")
        .arg(int(socket.closeCode()));
}

void WebSocketService::sendPing()
{
    if (!m_webSocket || m_webSocket->state() != QAbstractSocket::ConnectedState)
        return;
    // Pings go out behind the audio already handed to the socket, so their
    // pong tells that all of it arrived.
    m_pings.push_back({++m_pingNumber, m_sendCount, m_clock.elapsed()});
    m_webSocket->ping(QByteArray::number(m_pingNumber));
    armPongTimer();
}

void WebSocketService::receivePong(const QByteArray& payload)
{
    bool ok = false;
    const quint64 number = payload.toULongLong(&ok);
    if (!ok)
        return;
    std::optional<qint64> confirmed;
    while (!m_pings.empty() && m_pings.front().number <= number) {
        confirmed = m_pings.front().sendCount;
        m_pings.pop_front();
    }
    m_pongTimer.stop();
    armPongTimer();
    if (confirmed)
        emit audioConfirmed(*confirmed);
}

// The oldest unanswered ping sets the deadline.
void WebSocketService::armPongTimer()
{
    if (m_pings.empty() || m_pongTimer.isActive())
        return;
    const qint64 waited = m_clock.elapsed() - m_pings.front().sentAtMs;
    m_pongTimer.start(int(std::max<qint64>(0, m_pongTimeoutMs - waited)));
}

void WebSocketService::stopKeepAlive()
{
    m_pingTimer.stop();
    m_pongTimer.stop();
    m_pings.clear();
}

// What a waiting item holds: its UTF-16 text and the queue's own share.
qint64 WebSocketService::costOf(const Incoming& incoming)
{
    const auto* text = std::get_if<QString>(&incoming);
    return 64 + (text ? text->size() * qint64(sizeof(QChar)) : 0);
}

void WebSocketService::enqueue(Incoming incoming)
{
    m_incomingBytes += costOf(incoming);
    m_incoming.push_back(std::move(incoming));
    // A server that sends faster than the messages can be handled: handle
    // them now, oldest first, which holds up the socket's reading as well.
    while (m_incomingBytes > maxIncomingBacklogBytes && !m_incoming.empty())
        handleFront();
    if (!m_incoming.empty() && !m_drainTimer.isActive())
        m_drainTimer.start();
}

void WebSocketService::drainIncoming()
{
    QElapsedTimer slice;
    slice.start();
    // A callback may disconnect or reconnect, which empties the queue: look
    // at the queue afresh after each item.
    while (!m_incoming.empty()) {
        handleFront();
        if (slice.elapsed() >= drainSliceMs)
            break;
    }
    if (!m_incoming.empty())
        m_drainTimer.start();
}

void WebSocketService::handleFront()
{
    Incoming incoming = std::move(m_incoming.front());
    m_incoming.pop_front();
    m_incomingBytes -= costOf(incoming);
    if (const auto* text = std::get_if<QString>(&incoming))
        handleText(*text);
    else
        fail(std::get<Failure>(incoming).description);
}

void WebSocketService::clearIncoming()
{
    m_incoming.clear();
    m_incomingBytes = 0;
}

void WebSocketService::handleText(const QString& text)
{
    // Whatever a failed connection still delivers is not reported after its end.
    if (!m_isConnected)
        return;
    const QByteArray utf8 = text.toUtf8();
    std::optional<IncomingMessage> message = decodeIncomingMessage(utf8);
    qCInfo(lcWebSocket, "Received message: %s, %lld bytes", message ? messageTypeName(*message) : "undecodable",
        qint64(utf8.size()));
    qCDebug(lcWebSocket, "Received message: %s", qUtf8Printable(text.left(200)));
    if (!message)
        return;

    if (auto* result = std::get_if<TranslationResult>(&*message)) {
        emit resultReceived(*result);
    } else if (std::holds_alternative<FinishedNotice>(*message)) {
        emit finishReceived();
    } else if (auto* room = std::get_if<RoomCreatedMessage>(&*message)) {
        emit roomCreated(room->roomId);
    } else if (auto* update = std::get_if<RoomUpdateMessage>(&*message)) {
        emit roomUpdated(update->subscriberCount, update->languages);
    } else if (auto* notice = std::get_if<ServerNotice>(&*message)) {
        emit noticeReceived(notice->text);
    } else if (auto* error = std::get_if<ServerErrorNotice>(&*message)) {
        // The connection stays open after a server error.
        setLastError(error->text);
        emit errorOccurred(error->text);
    }
}

// The connection failed while open: reported once, however many ways the
// socket tells of it.
void WebSocketService::fail(const QString& description)
{
    if (!m_isConnected)
        return;
    m_handshakeTimer.stop();
    stopKeepAlive();
    m_pending.clear();
    m_pendingBytes = 0;
    clearIncoming();
    // A handshake that timed out may still complete: nothing of this
    // connection may arrive after its failure was reported.
    if (QWebSocket* socket = m_webSocket.data(); socket && socket->state() != QAbstractSocket::UnconnectedState) {
        QObject::disconnect(socket, nullptr, this, nullptr);
        socket->abort();
    }
    setIsConnected(false);
    setLastError(description);
    qCWarning(lcWebSocket, "WebSocket failed: %s", qUtf8Printable(description));
    emit connectionLost(description);
    emit errorOccurred(description);
}

void WebSocketService::disconnect()
{
    m_handshakeTimer.stop();
    stopKeepAlive();
    clearIncoming();
    m_pending.clear();
    m_pendingBytes = 0;
    if (QWebSocket* socket = m_webSocket.data()) {
        m_webSocket.clear();
        QObject::disconnect(socket, nullptr, this, nullptr);
        if (socket->state() == QAbstractSocket::ConnectedState) {
            socket->close(QWebSocketProtocol::CloseCodeNormal);
            QObject::connect(socket, &QWebSocket::disconnected, socket, &QObject::deleteLater);
            QTimer::singleShot(closeGraceMs, socket, [socket] {
                socket->abort();
                socket->deleteLater();
            });
        } else {
            socket->abort();
            socket->deleteLater();
        }
    }
    setIsConnected(false);
}

void WebSocketService::sendAudio(const QByteArray& data)
{
    if (!m_webSocket || !m_isConnected) {
        if (!m_toldNotConnected)
            qCCritical(lcWebSocket, "sendAudio called but not connected");
        m_toldNotConnected = true;
        return;
    }
    ++m_sendCount;
    m_audioBytesSent += data.size();
    emit sendCountChanged();
    emit audioBytesSentChanged();
    if (m_sendCount % 50 == 1) {
        qCDebug(lcWebSocket, "Sending audio chunk #%lld, size: %lld bytes, total: %lld bytes", m_sendCount,
            qint64(data.size()), m_audioBytesSent);
    }
    if (m_webSocket->state() == QAbstractSocket::ConnectedState) {
        sendBinaryNow(data);
        return;
    }
    // Still shaking hands: keep the audio, the oldest going first when too much waits.
    m_pending.emplace_back(data);
    m_pendingBytes += data.size();
    while (m_pendingBytes > maxPendingBytes && !m_pending.empty()) {
        if (auto* dropped = std::get_if<QByteArray>(&m_pending.front()))
            m_pendingBytes -= dropped->size();
        m_pending.pop_front();
    }
}

void WebSocketService::sendBinaryNow(const QByteArray& data)
{
    if (m_webSocket->sendBinaryMessage(data) != data.size())
        setLastError(m_webSocket->errorString());
}

void WebSocketService::sendFinish()
{
    if (!m_webSocket || !m_isConnected)
        return;
    const QString text = QString::fromUtf8(encodeFinishMessage());
    if (m_webSocket->state() == QAbstractSocket::ConnectedState)
        m_webSocket->sendTextMessage(text);
    else
        m_pending.emplace_back(text);
}

void WebSocketService::flushPending()
{
    while (!m_pending.empty() && m_webSocket) {
        auto frame = std::move(m_pending.front());
        m_pending.pop_front();
        if (auto* binary = std::get_if<QByteArray>(&frame))
            sendBinaryNow(*binary);
        else
            m_webSocket->sendTextMessage(std::get<QString>(frame));
    }
    m_pendingBytes = 0;
}

void WebSocketService::setServerURL(const QString& url)
{
    if (m_serverURL == url)
        return;
    m_serverURL = url;
    emit serverURLChanged();
}

void WebSocketService::setIsConnected(bool connected)
{
    if (m_isConnected == connected)
        return;
    m_isConnected = connected;
    emit isConnectedChanged();
}

void WebSocketService::setLastError(const std::optional<QString>& error)
{
    if (m_lastError == error)
        return;
    m_lastError = error;
    emit lastErrorChanged();
}

} // namespace tolvaran
