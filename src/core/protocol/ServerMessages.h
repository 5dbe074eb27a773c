#pragma once

#include "model/RandomUuid.h"
#include "model/RawRepresentable.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QLatin1StringView>
#include <QList>
#include <QString>
#include <QUuid>

#include <optional>
#include <variant>

// The JSON records that cross the wire between the program and the
// translation server, read by the one and written by the other (the local
// server). Keys are exact and mixed in case ("start_ms", "roomId") as the
// protocol has them. Each record lists its keys in sorted order, which is the
// order they are written in: the order the local server has always sent.
namespace tolvaran {

enum class TranslationStatus { none, original, translation };

template<>
struct RawValues<TranslationStatus>
{
    static constexpr std::array values{"none", "original", "translation"};
};

// The envelope decoded first from every incoming text.
struct ServerMessage
{
    QString type;
    std::optional<QString> message;

    template<typename Self, typename Visit>
    static void fields(Self& self, Visit&& visit)
    {
        visit(QLatin1StringView("message"), self.message);
        visit(QLatin1StringView("type"), self.type);
    }

    bool operator==(const ServerMessage&) const = default;
};

struct TranslationToken
{
    // Not on the wire: every decoded or created token is a new one.
    QUuid id = randomUuid();
    QString text;
    std::optional<qint64> startMs;
    std::optional<qint64> endMs;
    bool isFinal = false;
    std::optional<double> confidence;
    std::optional<QString> language;
    std::optional<QString> sourceLanguage;
    std::optional<TranslationStatus> translationStatus;
    std::optional<QString> speaker;

    template<typename Self, typename Visit>
    static void fields(Self& self, Visit&& visit)
    {
        visit(QLatin1StringView("confidence"), self.confidence);
        visit(QLatin1StringView("end_ms"), self.endMs);
        visit(QLatin1StringView("is_final"), self.isFinal);
        visit(QLatin1StringView("language"), self.language);
        visit(QLatin1StringView("source_language"), self.sourceLanguage);
        visit(QLatin1StringView("speaker"), self.speaker);
        visit(QLatin1StringView("start_ms"), self.startMs);
        visit(QLatin1StringView("text"), self.text);
        visit(QLatin1StringView("translation_status"), self.translationStatus);
    }

    bool operator==(const TranslationToken&) const = default;
};

struct TranslationResult
{
    QString type;
    QList<TranslationToken> tokens;
    QString original;
    QString translation;

    template<typename Self, typename Visit>
    static void fields(Self& self, Visit&& visit)
    {
        visit(QLatin1StringView("original"), self.original);
        visit(QLatin1StringView("tokens"), self.tokens);
        visit(QLatin1StringView("translation"), self.translation);
        visit(QLatin1StringView("type"), self.type);
    }

    bool operator==(const TranslationResult&) const = default;
};

struct RoomCreatedMessage
{
    QString type;
    QString roomId;

    template<typename Self, typename Visit>
    static void fields(Self& self, Visit&& visit)
    {
        visit(QLatin1StringView("roomId"), self.roomId);
        visit(QLatin1StringView("type"), self.type);
    }

    bool operator==(const RoomCreatedMessage&) const = default;
};

struct LanguageSubscriberCount
{
    QString lang;
    qint64 count = 0;

    template<typename Self, typename Visit>
    static void fields(Self& self, Visit&& visit)
    {
        visit(QLatin1StringView("count"), self.count);
        visit(QLatin1StringView("lang"), self.lang);
    }

    bool operator==(const LanguageSubscriberCount&) const = default;
};

struct RoomUpdateMessage
{
    QString type;
    qint64 subscriberCount = 0;
    QList<LanguageSubscriberCount> languages;

    template<typename Self, typename Visit>
    static void fields(Self& self, Visit&& visit)
    {
        visit(QLatin1StringView("languages"), self.languages);
        visit(QLatin1StringView("subscriberCount"), self.subscriberCount);
        visit(QLatin1StringView("type"), self.type);
    }

    bool operator==(const RoomUpdateMessage&) const = default;
};

// The one message the client sends: it asks the server to end the stream.
struct FinishMessage
{
    QString type = QStringLiteral("finish");

    template<typename Self, typename Visit>
    static void fields(Self& self, Visit&& visit)
    {
        visit(QLatin1StringView("type"), self.type);
    }

    bool operator==(const FinishMessage&) const = default;
};

// "finished": the server has ended the stream.
struct FinishedNotice
{
    bool operator==(const FinishedNotice&) const = default;
};

// "error": the server's text, or "Unknown server error" when it sent none.
struct ServerErrorNotice
{
    QString text;

    bool operator==(const ServerErrorNotice&) const = default;
};

// "notice": something the user should know while the stream goes on (a
// target language the server cannot translate into, say).
struct ServerNotice
{
    QString text;

    bool operator==(const ServerNotice&) const = default;
};

using IncomingMessage = std::variant<TranslationResult, FinishedNotice, RoomCreatedMessage, RoomUpdateMessage,
    ServerErrorNotice, ServerNotice>;

// The message's "type" on the wire, for the log.
const char* messageTypeName(const IncomingMessage& message);

// Classifies and decodes one incoming text (UTF-8). Gives nothing for a text
// that is not a JSON object with a string "type", for an unknown type, and for
// a known type whose record does not decode.
std::optional<IncomingMessage> decodeIncomingMessage(QByteArrayView utf8);

// The compact text the server sends for a message, under the type the
// message stands for, whatever a record's own type member holds. A notice
// without text is written too, though the program drops it.
QByteArray encodeIncomingMessage(const IncomingMessage& message);

// Compact JSON: {"type":"finish"}.
QByteArray encodeFinishMessage();

// The server's reading of the client's text: true for a JSON object whose
// "type" is "finish"; every other text is ignored.
bool isFinishMessage(QByteArrayView utf8);

// Every record encodes with the same keys it decodes from.
template<typename T>
QByteArray encodeCompact(const T& record);

template<typename T>
std::optional<T> decodeRecord(QByteArrayView utf8);

} // namespace tolvaran
