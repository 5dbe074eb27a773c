#include "Room.h"

#include "OutgoingMessages.h"
#include "Translator.h"
#include "model/TranslationModels.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>
#include <QWebSocket>

#include <algorithm>

namespace tolvaran::server {

namespace {

// A listener whose socket holds this much unsent is not reading, and is dropped.
constexpr qint64 maxUnsentBytes = 256 * 1024;

QString languageName(const QString& code)
{
    const std::optional<TargetLanguage> language = fromRawValue<TargetLanguage>(code);
    return language ? displayName(*language) : code;
}

} // namespace

Room::Room(QString id, QString spokenLanguage, Translator& translator, QObject* parent)
    : QObject(parent)
    , m_id(std::move(id))
    , m_spokenLanguage(std::move(spokenLanguage))
    , m_translator(translator)
{
    m_expiry.setSingleShot(true);
    connect(&m_expiry, &QTimer::timeout, this, &QObject::deleteLater);
}

void Room::awaitSpeaker(int milliseconds)
{
    m_expiry.start(milliseconds);
}

void Room::takeOver()
{
    m_expiry.stop();
}

Room::~Room()
{
    const QString closed = outgoing::roomClosed();
    for (QWebSocket* socket : m_listeners.keys()) {
        socket->disconnect(this);
        socket->sendTextMessage(closed);
        socket->close(QWebSocketProtocol::CloseCodeNormal, QStringLiteral("The room has ended"));
        // Outlives the room while its goodbye goes out; the application
        // deletes it at exit if the event loop never gets to.
        socket->setParent(QCoreApplication::instance());
        QObject::connect(socket, &QWebSocket::disconnected, socket, &QObject::deleteLater);
        QTimer::singleShot(5000, socket, &QObject::deleteLater);
    }
}

void Room::addListener(std::unique_ptr<QWebSocket> socket, const QString& language)
{
    QWebSocket* listener = socket.release();
    listener->setParent(this);
    listener->setMaxAllowedIncomingMessageSize(maxListenerMessageBytes);
    listener->setMaxAllowedIncomingFrameSize(maxListenerMessageBytes);
    listener->setReadBufferSize(maxListenerMessageBytes * 4);
    const bool canShow = language == m_spokenLanguage || m_translator.canTranslate(m_spokenLanguage, language);
    const QString shown = canShow ? language : m_spokenLanguage;
    m_listeners.insert(listener, Listener{language, shown});
    if (!canShow) {
        listener->sendTextMessage(
            outgoing::error(QStringLiteral("The local server cannot translate to %1; showing the transcript only")
                                .arg(languageName(language))));
    } else if (shown != m_spokenLanguage) {
        m_translator.prepare(m_spokenLanguage, shown);
    }
    connect(listener, &QWebSocket::disconnected, this, [this, listener] { removeListener(listener); });
    emit listenersChanged();
}

void Room::removeListener(QWebSocket* socket)
{
    if (!m_listeners.remove(socket))
        return;
    socket->deleteLater();
    emit listenersChanged();
}

QList<QPair<QString, int>> Room::languageCounts() const
{
    QHash<QString, int> counts;
    for (const Listener& listener : m_listeners)
        ++counts[listener.requested];
    QList<QPair<QString, int>> list;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        list.append({it.key(), it.value()});
    std::sort(list.begin(), list.end());
    return list;
}

QList<QString> Room::shownLanguages() const
{
    QList<QString> languages;
    for (const Listener& listener : m_listeners) {
        if (!languages.contains(listener.shown))
            languages.append(listener.shown);
    }
    return languages;
}

void Room::showInterim(qint64 utterance, const QString& original)
{
    for (const QString& language : shownLanguages()) {
        if (language == m_spokenLanguage) {
            send(language, outgoing::caption(utterance, false, original, original));
            continue;
        }
        m_languages[language].waitingInterim = qMakePair(utterance, original);
        translateInterim(language);
    }
}

void Room::translateInterim(const QString& language)
{
    LanguageState& state = m_languages[language];
    if (state.isTranslatingInterim || !state.waitingInterim)
        return;
    const auto [utterance, original] = *state.waitingInterim;
    state.waitingInterim.reset();
    state.isTranslatingInterim = true;
    m_translator.translate(original, m_spokenLanguage, language,
        [self = QPointer<Room>(this), language, utterance, original](std::optional<QString> text) {
            if (!self)
                return;
            LanguageState& current = self->m_languages[language];
            current.isTranslatingInterim = false;
            // An utterance that has ended shows its final words only.
            if (text && utterance > current.lastFinal)
                self->send(language, outgoing::caption(utterance, false, original, *text));
            self->translateInterim(language);
        });
}

void Room::showFinal(qint64 utterance, const QString& original)
{
    m_nextUtterance = std::max(m_nextUtterance, utterance + 1);
    for (const QString& language : shownLanguages()) {
        if (language == m_spokenLanguage) {
            send(language, outgoing::caption(utterance, true, original, original));
            continue;
        }
        m_languages[language].waitingInterim.reset();
        m_translator.translate(original, m_spokenLanguage, language,
            [self = QPointer<Room>(this), language, utterance, original](std::optional<QString> text) {
                if (!self)
                    return;
                self->m_languages[language].lastFinal = utterance;
                self->send(language, outgoing::caption(utterance, true, original, text.value_or(original)));
            });
    }
}

void Room::send(const QString& language, const QString& message)
{
    const QList<QWebSocket*> sockets = m_listeners.keys();
    for (QWebSocket* socket : sockets) {
        if (m_listeners.value(socket).shown != language)
            continue;
        socket->sendTextMessage(message);
        if (socket->bytesToWrite() > maxUnsentBytes)
            socket->abort();
    }
}

} // namespace tolvaran::server
