#include "ServerMessages.h"

#include "JsonFields.h"

#include <QJsonDocument>
#include <QJsonParseError>

namespace tolvaran {

namespace {

std::optional<QJsonObject> parseObject(QByteArrayView utf8)
{
    QJsonParseError error {};
    const QJsonDocument document = QJsonDocument::fromJson(utf8.toByteArray(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    return document.object();
}

template<typename T> std::optional<IncomingMessage> decodeAs(const QJsonObject& object)
{
    T record;
    if (!json::decodeRecord(object, record))
        return std::nullopt;
    return IncomingMessage(std::move(record));
}

} // namespace

std::optional<IncomingMessage> decodeIncomingMessage(QByteArrayView utf8)
{
    const std::optional<QJsonObject> object = parseObject(utf8);
    if (!object)
        return std::nullopt;
    ServerMessage envelope;
    if (!json::decodeRecord(*object, envelope))
        return std::nullopt;

    if (envelope.type == u"result")
        return decodeAs<TranslationResult>(*object);
    if (envelope.type == u"finished")
        return FinishedNotice {};
    if (envelope.type == u"room_created")
        return decodeAs<RoomCreatedMessage>(*object);
    if (envelope.type == u"room_update")
        return decodeAs<RoomUpdateMessage>(*object);
    if (envelope.type == u"error")
        return ServerErrorNotice {envelope.message.value_or(QStringLiteral("Unknown server error"))};
    return std::nullopt;
}

QByteArray encodeFinishMessage()
{
    return encodeCompact(FinishMessage {});
}

template<typename T> QByteArray encodeCompact(const T& record)
{
    return QJsonDocument(json::encodeRecord(record)).toJson(QJsonDocument::Compact);
}

template<typename T> std::optional<T> decodeRecord(QByteArrayView utf8)
{
    const std::optional<QJsonObject> object = parseObject(utf8);
    T record;
    if (!object || !json::decodeRecord(*object, record))
        return std::nullopt;
    return record;
}

#define TOLVARAN_WIRE_RECORD(T)                                                                                        \
    template QByteArray encodeCompact<T>(const T&);                                                                    \
    template std::optional<T> decodeRecord<T>(QByteArrayView);

TOLVARAN_WIRE_RECORD(ServerMessage)
TOLVARAN_WIRE_RECORD(TranslationToken)
TOLVARAN_WIRE_RECORD(TranslationResult)
TOLVARAN_WIRE_RECORD(RoomCreatedMessage)
TOLVARAN_WIRE_RECORD(LanguageSubscriberCount)
TOLVARAN_WIRE_RECORD(RoomUpdateMessage)
TOLVARAN_WIRE_RECORD(FinishMessage)

#undef TOLVARAN_WIRE_RECORD

} // namespace tolvaran
