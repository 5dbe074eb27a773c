#include "SpeakerSession.h"

#include "OutgoingMessages.h"
#include "RecognitionWorker.h"
#include "Room.h"
#include "Translator.h"
#include "model/TranslationModels.h"
#include "protocol/ServerMessages.h"
#include "protocol/StreamHeader.h"

#include <QLoggingCategory>
#include <QRegularExpression>
#include <QTimer>
#include <QWebSocket>

Q_LOGGING_CATEGORY(lcSession, "com.tolvaran.server.Session")

namespace tolvaran::server {

namespace {

constexpr qint64 maxIncomingMessageBytes = 1024 * 1024;
constexpr int closeCodeTryAgainLater = 1013;

QString languageName(const QString& code)
{
    const std::optional<TargetLanguage> language = fromRawValue<TargetLanguage>(code);
    return language ? displayName(*language) : code;
}

// Recognisers give lower-case words without punctuation; translators read
// sentences better.
QString asSentence(QString text)
{
    text.replace(QRegularExpression(QStringLiteral("\\bi\\b")), QStringLiteral("I"));
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

} // namespace

SpeakerSession::SpeakerSession(std::unique_ptr<QWebSocket> socket, const QString& targetLanguage, Room* room,
    std::shared_ptr<const RecognitionEngine> engine, Translator& translator, QObject* parent)
    : QObject(parent)
    , m_socket(socket.release())
    , m_targetLanguage(targetLanguage)
    , m_spokenLanguage(engine->language())
    , m_room(room)
    , m_translator(translator)
{
    m_socket->setParent(this);
    m_socket->setMaxAllowedIncomingMessageSize(maxIncomingMessageBytes);
    m_socket->setMaxAllowedIncomingFrameSize(maxIncomingMessageBytes);
    connect(m_socket, &QWebSocket::binaryMessageReceived, this, &SpeakerSession::handleBinary);
    connect(m_socket, &QWebSocket::textMessageReceived, this, &SpeakerSession::handleText);
    // A close handshake, begun by either side; a dropped network has none.
    connect(m_socket, &QWebSocket::aboutToClose, this, [this] { m_wasClosed = true; });
    connect(m_socket, &QWebSocket::disconnected, this, [this] {
        // A network that failed is not a speaker who left: the room waits.
        if (m_room && !m_isFinishing && !m_wasClosed)
            emit roomLeft(releaseRoom());
        emit ended();
        deleteLater();
    });

    m_channel = new RecognitionChannel(std::move(engine), this);
    connect(m_channel, &RecognitionChannel::recognized, this, &SpeakerSession::handleRecognized);
    connect(m_channel, &RecognitionChannel::flushed, this, &SpeakerSession::handleFlushed);
    connect(m_channel, &RecognitionChannel::failed, this, [this](const QString& reason) {
        qCWarning(lcSession, "Recognition failed: %s", qUtf8Printable(reason));
        refuse(reason, QWebSocketProtocol::CloseCodeBadOperation);
    });

    if (m_room) {
        m_room->setParent(this);
        m_utterance = m_room->nextUtterance();
        send(outgoing::roomCreated(m_room->id()));
        m_roomUpdateTimer.setSingleShot(true);
        m_roomUpdateTimer.setInterval(roomUpdateIntervalMs);
        connect(&m_roomUpdateTimer, &QTimer::timeout, this, [this] {
            if (m_isRoomUpdateDue)
                sendRoomUpdate();
        });
        connect(m_room, &Room::listenersChanged, this, &SpeakerSession::roomChanged);
    }
    if (m_targetLanguage == m_spokenLanguage) {
        m_isTranslating = false;
    } else if (m_translator.canTranslate(m_spokenLanguage, m_targetLanguage)) {
        m_isTranslating = true;
        m_translator.prepare(m_spokenLanguage, m_targetLanguage);
    } else {
        send(outgoing::notice(QStringLiteral("The local server cannot translate to %1; showing the transcript only")
                                  .arg(languageName(m_targetLanguage))));
    }
}

SpeakerSession::~SpeakerSession() = default;

void SpeakerSession::handleBinary(const QByteArray& frame)
{
    if (m_isClosing || m_isFinishing)
        return;
    QByteArray pcm;
    if (!m_hasHeader) {
        const auto header = StreamHeader::parse(frame);
        if (const auto* reason = std::get_if<QString>(&header)) {
            refuse(*reason, QWebSocketProtocol::CloseCodeDatatypeNotSupported);
            return;
        }
        m_hasHeader = true;
        pcm = frame.sliced(std::get<StreamHeader>(header).dataOffset);
    } else {
        pcm = frame;
    }
    if (!m_carry.isEmpty()) {
        pcm.prepend(m_carry);
        m_carry.clear();
    }
    if (pcm.size() % 2 != 0) {
        m_carry = pcm.right(1);
        pcm.chop(1);
    }
    if (pcm.isEmpty())
        return;
    if (m_channel->backlogBytes() + pcm.size() > maxBacklogBytes) {
        refuse(QStringLiteral("The local server cannot keep up with this stream"), closeCodeTryAgainLater);
        return;
    }
    m_channel->feed(pcm);
}

void SpeakerSession::handleText(const QString& text)
{
    if (m_isClosing || m_isFinishing)
        return;
    if (!isFinishMessage(text.toUtf8()))
        return;
    m_isFinishing = true;
    m_channel->finish();
}

void SpeakerSession::handleRecognized(const QList<Recognition>& recognitions)
{
    for (const Recognition& recognition : recognitions) {
        const QString original = recognition.text();
        if (!recognition.isFinal) {
            // Interim words may overtake a translation still on its way:
            // they never change a finished line.
            send(outgoing::recognition(recognition, m_spokenLanguage, QStringLiteral("1")));
            if (m_room)
                m_room->showInterim(m_utterance, original);
            continue;
        }
        queue(std::make_shared<Outgoing>(
            Outgoing{outgoing::recognition(recognition, m_spokenLanguage, QStringLiteral("1")), true}));
        if (m_room)
            m_room->showFinal(m_utterance, asSentence(original));
        ++m_utterance;
        if (!m_isTranslating)
            continue;
        // The client puts a translation on its last line, so it must come
        // before the next final: it holds the queue until it is done.
        auto translation = std::make_shared<Outgoing>(Outgoing{QString(), false});
        queue(translation);
        m_translator.translate(asSentence(original), m_spokenLanguage, m_targetLanguage,
            [self = QPointer<SpeakerSession>(this), translation, original](std::optional<QString> text) {
                if (!self)
                    return;
                // An empty translation would read as a new final line.
                if (text && !text->trimmed().isEmpty()) {
                    translation->text = outgoing::translation(
                        original, *text, self->m_spokenLanguage, self->m_targetLanguage, QStringLiteral("1"));
                }
                translation->isReady = true;
                self->sendReady();
            });
    }
    sendReady();
}

void SpeakerSession::handleFlushed()
{
    queue(std::make_shared<Outgoing>(Outgoing{outgoing::finished(), true}));
    sendReady();
}

void SpeakerSession::queue(std::shared_ptr<Outgoing> message)
{
    m_outbox.push_back(std::move(message));
}

void SpeakerSession::sendReady()
{
    while (!m_outbox.empty() && m_outbox.front()->isReady) {
        const QString text = std::move(m_outbox.front()->text);
        m_outbox.pop_front();
        if (text.isEmpty())
            continue;
        send(text);
        if (m_isFinishing && m_outbox.empty() && text == outgoing::finished()) {
            // The client closes after its own wait; a client that does not is closed.
            QTimer::singleShot(closeGraceMs, this, [this] {
                m_isClosing = true;
                m_socket->close(QWebSocketProtocol::CloseCodeNormal);
            });
        }
    }
}

void SpeakerSession::send(const QString& text)
{
    if (m_isClosing)
        return;
    m_socket->sendTextMessage(text);
    if (m_socket->bytesToWrite() > maxUnsentBytes) {
        qCWarning(lcSession, "Dropping a client that does not read");
        m_isClosing = true;
        m_socket->abort();
    }
}

void SpeakerSession::refuse(const QString& message, int closeCode)
{
    if (m_isClosing)
        return;
    send(outgoing::error(message));
    m_isClosing = true;
    m_socket->close(QWebSocketProtocol::CloseCode(closeCode), message.left(120));
}

Room* SpeakerSession::releaseRoom()
{
    Room* room = m_room;
    if (!room)
        return nullptr;
    room->disconnect(this);
    room->setParent(nullptr);
    m_room.clear();
    m_roomUpdateTimer.stop();
    return room;
}

void SpeakerSession::roomChanged()
{
    if (m_roomUpdateTimer.isActive())
        m_isRoomUpdateDue = true;
    else
        sendRoomUpdate();
}

void SpeakerSession::sendRoomUpdate()
{
    m_isRoomUpdateDue = false;
    m_roomUpdateTimer.start();
    if (m_room)
        send(outgoing::roomUpdate(m_room->languageCounts()));
}

} // namespace tolvaran::server
