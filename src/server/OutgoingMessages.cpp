#include "OutgoingMessages.h"

#include "model/JsonFields.h"
#include "protocol/ServerMessages.h"

namespace tolvaran::server::outgoing {

namespace {

QString compact(const IncomingMessage& message)
{
    return QString::fromUtf8(encodeIncomingMessage(message));
}

// The listener page's messages, which the program never reads. Keys in
// sorted order, like those of the program's messages.
struct CaptionMessage
{
    bool isFinal = false;
    QString original;
    QString text;
    QString type = QStringLiteral("caption");
    qint64 utterance = 0;

    template<typename Self, typename Visit>
    static void fields(Self& self, Visit&& visit)
    {
        visit(QLatin1StringView("is_final"), self.isFinal);
        visit(QLatin1StringView("original"), self.original);
        visit(QLatin1StringView("text"), self.text);
        visit(QLatin1StringView("type"), self.type);
        visit(QLatin1StringView("utterance"), self.utterance);
    }
};

struct RoomClosedMessage
{
    QString type = QStringLiteral("room_closed");

    template<typename Self, typename Visit>
    static void fields(Self& self, Visit&& visit)
    {
        visit(QLatin1StringView("type"), self.type);
    }
};

} // namespace

QString recognition(const Recognition& recognition, const QString& language, const QString& speaker)
{
    TranslationResult result;
    result.original = recognition.text();
    for (const RecognizedWord& word : recognition.words) {
        TranslationToken token;
        token.text = word.text;
        token.startMs = word.startMs;
        token.endMs = word.endMs;
        token.isFinal = recognition.isFinal;
        token.language = language;
        token.translationStatus = TranslationStatus::original;
        token.speaker = speaker;
        result.tokens.append(std::move(token));
    }
    return compact(result);
}

QString translation(const QString& original, const QString& translation, const QString& sourceLanguage,
    const QString& targetLanguage, const QString& speaker)
{
    TranslationResult result;
    result.original = original;
    result.translation = translation;
    for (const QString& word : translation.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        TranslationToken token;
        token.text = word;
        token.isFinal = true;
        token.language = targetLanguage;
        token.sourceLanguage = sourceLanguage;
        token.translationStatus = TranslationStatus::translation;
        token.speaker = speaker;
        result.tokens.append(std::move(token));
    }
    return compact(result);
}

QString finished()
{
    return compact(FinishedNotice{});
}

QString error(const QString& message)
{
    return compact(ServerErrorNotice{message});
}

QString notice(const QString& message)
{
    return compact(ServerNotice{message});
}

QString roomCreated(const QString& roomId)
{
    RoomCreatedMessage created;
    created.roomId = roomId;
    return compact(created);
}

QString roomUpdate(const QList<QPair<QString, int>>& languages)
{
    RoomUpdateMessage update;
    for (const auto& [lang, count] : languages) {
        update.languages.append({lang, count});
        update.subscriberCount += count;
    }
    return compact(update);
}

QString caption(qint64 utterance, bool isFinal, const QString& original, const QString& text)
{
    CaptionMessage message;
    message.utterance = utterance;
    message.isFinal = isFinal;
    message.original = original;
    message.text = text;
    return QString::fromUtf8(json::encodeCompact(message));
}

QString roomClosed()
{
    return QString::fromUtf8(json::encodeCompact(RoomClosedMessage{}));
}

} // namespace tolvaran::server::outgoing
