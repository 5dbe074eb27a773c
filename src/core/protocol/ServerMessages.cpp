#include "ServerMessages.h"

#include "model/JsonFields.h"

#include <QCoreApplication>

namespace tolvaran {

namespace {

template<typename T>
std::optional<IncomingMessage> decodeAs(const rapidjson::Value& object)
{
    T record;
    if (!json::decodeRecord(object, record))
        return std::nullopt;
    return IncomingMessage(std::move(record));
}

} // namespace

std::optional<IncomingMessage> decodeIncomingMessage(QByteArrayView utf8)
{
    rapidjson::Document object;
    if (!json::parse(utf8, object))
        return std::nullopt;
    ServerMessage envelope;
    if (!json::decodeRecord(object, envelope))
        return std::nullopt;

    if (envelope.type == u"result")
        return decodeAs<TranslationResult>(object);
    if (envelope.type == u"finished")
        return FinishedNotice{};
    if (envelope.type == u"room_created")
        return decodeAs<RoomCreatedMessage>(object);
    if (envelope.type == u"room_update")
        return decodeAs<RoomUpdateMessage>(object);
    if (envelope.type == u"error")
        return ServerErrorNotice{
            envelope.message.value_or(QCoreApplication::translate("ServerMessages", "Unknown server error"))};
    if (envelope.type == u"notice" && envelope.message && !envelope.message->isEmpty())
        return ServerNotice{*envelope.message};
    return std::nullopt;
}

const char* messageTypeName(const IncomingMessage& message)
{
    static constexpr const char* names[] = {"result", "finished", "room_created", "room_update", "error", "notice"};
    static_assert(std::size(names) == std::variant_size_v<IncomingMessage>);
    return names[message.index()];
}

QByteArray encodeIncomingMessage(const IncomingMessage& message)
{
    const QString type = QLatin1StringView(messageTypeName(message));
    const auto typed = [&type](auto record) {
        record.type = type;
        return json::encodeCompact(record);
    };
    if (const auto* result = std::get_if<TranslationResult>(&message))
        return typed(*result);
    if (const auto* room = std::get_if<RoomCreatedMessage>(&message))
        return typed(*room);
    if (const auto* update = std::get_if<RoomUpdateMessage>(&message))
        return typed(*update);
    if (const auto* error = std::get_if<ServerErrorNotice>(&message))
        return typed(ServerMessage{QString(), error->text});
    if (const auto* notice = std::get_if<ServerNotice>(&message))
        return typed(ServerMessage{QString(), notice->text});
    return typed(ServerMessage{}); // finished
}

QByteArray encodeFinishMessage()
{
    return encodeCompact(FinishMessage{});
}

bool isFinishMessage(QByteArrayView utf8)
{
    const std::optional<FinishMessage> request = decodeRecord<FinishMessage>(utf8);
    return request && request->type == u"finish";
}

template<typename T>
QByteArray encodeCompact(const T& record)
{
    return json::encodeCompact(record);
}

template<typename T>
std::optional<T> decodeRecord(QByteArrayView utf8)
{
    rapidjson::Document object;
    T record;
    if (!json::parse(utf8, object) || !json::decodeRecord(object, record))
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
