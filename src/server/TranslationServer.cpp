#include "TranslationServer.h"

#include "ListenerPage.h"
#include "MaskedFrames.h"
#include "OutgoingMessages.h"
#include "Room.h"
#include "SpeakerSession.h"
#include "Translator.h"
#include "model/ServerIdentity.h"
#include "model/TranslationModels.h"
#include "protocol/SessionURL.h"

#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QHttpServerResponse>
#include <QLoggingCategory>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTimer>
#include <QUrlQuery>
#include <QWebSocket>

Q_LOGGING_CATEGORY(lcServer, "com.tolvaran.server.Server")

namespace tolvaran::server {

namespace {

// 128 random bits from the system's source, as 32 hexadecimal digits.
QString newRoomId()
{
    quint32 words[4];
    QRandomGenerator::system()->fillRange(words);
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(words), sizeof(words)).toHex());
}

} // namespace

TranslationServer::TranslationServer(
    std::shared_ptr<const RecognitionEngine> engine, Translator& translator, QObject* parent)
    : QObject(parent)
    , m_engine(std::move(engine))
    , m_translator(translator)
    , m_speakerReturnMs(Room::speakerReturnMs)
{
    m_http.route(QStringLiteral("/"), [] {
        return QHttpServerResponse(QByteArrayLiteral("text/plain"),
            QByteArrayLiteral("Tolvaran local translation server: stream to /translate?lang=<code>\n"));
    });
    m_http.route(QString::fromLatin1(ServerIdentity::path), [] {
        return QHttpServerResponse(
            QByteArrayLiteral("text/plain"), ServerIdentity::body(QByteArrayLiteral(TOLVARAN_VERSION)));
    });
    m_http.route(QStringLiteral("/room/<arg>"), [this](const QString& id) {
        if (!m_rooms.value(id))
            return QHttpServerResponse(QByteArrayLiteral("text/html; charset=utf-8"), unknownRoomPage(),
                QHttpServerResponse::StatusCode::NotFound);
        return QHttpServerResponse(
            QByteArrayLiteral("text/html; charset=utf-8"), listenerPage(id, listenerLanguages()));
    });
    // WebSocket upgrades reach the socket handler only through a route that
    // takes them; the route answers plain HTTP requests itself.
    const auto upgradeOnly = [](const QHttpServerRequest& request, QHttpServerResponder&& responder) {
        if (request.value(QByteArrayLiteral("upgrade")).compare("websocket", Qt::CaseInsensitive) != 0)
            responder.write(QHttpServerResponder::StatusCode::UpgradeRequired);
    };
    m_http.route(QString::fromLatin1(sessionPath), upgradeOnly);
    m_http.route(QStringLiteral("/room/<arg>/listen"),
        [upgradeOnly](const QString&, const QHttpServerRequest& request, QHttpServerResponder&& responder) {
            upgradeOnly(request, std::move(responder));
        });
    connect(&m_http, &QAbstractHttpServer::newWebSocketConnection, this, &TranslationServer::acceptWebSockets);
}

TranslationServer::~TranslationServer() = default;

std::optional<QString> TranslationServer::listen(const QHostAddress& address, quint16 port)
{
    m_port = m_http.listen(address, port);
    if (m_port == 0)
        return QStringLiteral("Cannot listen on %1 port %2").arg(address.toString()).arg(port);
    m_engine->prepare();
    return std::nullopt;
}

QList<QPair<QString, QString>> TranslationServer::listenerLanguages() const
{
    const QString spoken = m_engine->language();
    QList<QPair<QString, QString>> languages;
    for (const TargetLanguage language : allCases<TargetLanguage>()) {
        const QString code = rawValue(language);
        if (code == spoken)
            languages.prepend({code, displayName(language)});
        else if (m_translator.canTranslate(spoken, code))
            languages.append({code, displayName(language)});
    }
    return languages;
}

void TranslationServer::acceptWebSockets()
{
    while (m_http.hasPendingWebSocketConnections()) {
        std::unique_ptr<QWebSocket> socket = m_http.nextPendingWebSocketConnection();
        if (!socket)
            continue;
        if (!MaskedFrames::watch(socket.get(), m_http))
            qCWarning(lcServer, "Cannot check that a client's frames are masked");
        const QUrl url = socket->requestUrl();
        const QString path = url.path();
        const QUrlQuery query(url);
        if (m_connections >= maxConnections) {
            refuse(std::move(socket), QStringLiteral("The local server has too many connections"), 1013);
            continue;
        }
        static const QRegularExpression listenPath(QStringLiteral("^/room/([^/]+)/listen$"));
        const bool isSpeaker = path == QLatin1StringView(sessionPath);
        if (!isAllowedPeer(isSpeaker, socket->peerAddress())) {
            qCWarning(lcServer, "Refused a speaker from %s", qUtf8Printable(socket->peerAddress().toString()));
            refuse(std::move(socket), QStringLiteral("Speakers connect from this computer only"),
                QWebSocketProtocol::CloseCodePolicyViolated);
            continue;
        }
        if (isSpeaker) {
            acceptSpeaker(std::move(socket), query);
        } else if (const auto match = listenPath.match(path); match.hasMatch()) {
            acceptListener(std::move(socket), match.captured(1), query);
        } else {
            refuse(std::move(socket), QStringLiteral("Unknown path %1").arg(path),
                QWebSocketProtocol::CloseCodePolicyViolated);
        }
    }
}

bool TranslationServer::isAllowedPeer(bool isSpeaker, const QHostAddress& peer)
{
    if (!isSpeaker)
        return true;
    // An IPv4 peer on a dual-stack socket shows as ::ffff:127.0.0.1.
    bool isIPv4 = false;
    const QHostAddress v4(peer.toIPv4Address(&isIPv4));
    return peer.isLoopback() || (isIPv4 && v4.isLoopback());
}

void TranslationServer::track(QWebSocket* socket)
{
    ++m_connections;
    connect(socket, &QObject::destroyed, this, [this] { --m_connections; });
}

void TranslationServer::acceptSpeaker(std::unique_ptr<QWebSocket> socket, const QUrlQuery& query)
{
    if (m_speakers >= maxSpeakers) {
        refuse(std::move(socket),
            QStringLiteral("The local server is busy: it serves at most %1 speakers at a time").arg(maxSpeakers), 1013);
        return;
    }
    const SessionRequest request = SessionRequest::fromQuery(query);
    const QString language = request.language.isEmpty() ? m_engine->language() : request.language;
    Room* room = roomToTakeOver(request.resumeRoomId);
    const bool isResumed = room != nullptr;
    // A room that is not there (the server restarted, or the wait was over)
    // is opened anew, under a new id: ids are never chosen by a client.
    if (!room && (request.createRoom || !request.resumeRoomId.isEmpty())) {
        room = new Room(newRoomId(), m_engine->language(), m_translator);
        m_rooms.insert(room->id(), room);
        connect(room, &QObject::destroyed, this, [this, room, id = room->id()] {
            m_rooms.remove(id);
            m_roomSpeakers.remove(room);
        });
    }
    track(socket.get());
    auto* session = new SpeakerSession(std::move(socket), language, room, m_engine, m_translator, this);
    ++m_speakers;
    connect(session, &QObject::destroyed, this, [this] { --m_speakers; });
    connect(session, &SpeakerSession::roomLeft, this, &TranslationServer::keepRoom);
    if (room)
        m_roomSpeakers.insert(room, session);
    if (isResumed)
        qCInfo(lcServer, "Speaker took over room %s", qUtf8Printable(room->id()));
    qCInfo(lcServer, "Speaker connected (%d), target %s%s", m_speakers, qUtf8Printable(language),
        room ? " with a room" : "");
}

void TranslationServer::acceptListener(
    std::unique_ptr<QWebSocket> socket, const QString& roomId, const QUrlQuery& query)
{
    Room* room = m_rooms.value(roomId);
    if (!room) {
        refuse(std::move(socket), QStringLiteral("No such room"), QWebSocketProtocol::CloseCodePolicyViolated);
        return;
    }
    QString language = query.queryItemValue(QStringLiteral("lang"));
    if (language.isEmpty())
        language = m_engine->language();
    if (room->isFull()) {
        refuse(std::move(socket), QStringLiteral("The room is full"), 1013);
        return;
    }
    track(socket.get());
    room->addListener(std::move(socket), language);
}

// The room a reconnecting speaker names: one waiting for its speaker, or
// one whose speaker's old connection has not yet been seen to fail (it is
// let go: the same speaker is back).
Room* TranslationServer::roomToTakeOver(const QString& roomId)
{
    if (roomId.isEmpty())
        return nullptr;
    Room* room = m_rooms.value(roomId);
    if (!room)
        return nullptr;
    if (SpeakerSession* holder = m_roomSpeakers.value(room))
        holder->releaseRoom();
    room->takeOver();
    return room;
}

void TranslationServer::keepRoom(Room* room)
{
    if (!room)
        return;
    room->setParent(this);
    m_roomSpeakers.remove(room);
    room->awaitSpeaker(m_speakerReturnMs);
    qCInfo(lcServer, "Speaker of room %s dropped; the room waits %d ms", qUtf8Printable(room->id()), m_speakerReturnMs);
}

// The refusal is sent as an error message and as the close reason, once the
// HTTP side has let go of the socket: closed while it still reads the
// upgrade, it complains on stderr about a device that is not open.
void TranslationServer::refuse(std::unique_ptr<QWebSocket> socket, const QString& message, int closeCode)
{
    QWebSocket* refused = socket.release();
    refused->setParent(this);
    QTimer::singleShot(0, refused, [refused, message, closeCode] {
        refused->sendTextMessage(outgoing::error(message));
        refused->close(QWebSocketProtocol::CloseCode(closeCode), message.left(120));
    });
    connect(refused, &QWebSocket::disconnected, refused, &QObject::deleteLater);
    QTimer::singleShot(5000, refused, &QObject::deleteLater);
}

} // namespace tolvaran::server
