// Any text a server sends: decoding gives a message or nothing, never a crash;
// a decoded record encodes to a text that decodes to the same record, and a
// decoded message, written as the local server writes it, reads back the same.
#include "protocol/ServerMessages.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace tolvaran;

namespace {

// Token identities are made afresh on every decoding; compare the rest.
void clearIds(TranslationResult& result)
{
    for (TranslationToken& token : result.tokens)
        token.id = QUuid();
}

IncomingMessage withoutIds(IncomingMessage message)
{
    if (auto* result = std::get_if<TranslationResult>(&message))
        clearIds(*result);
    return message;
}

template<typename T>
void roundTrip(const T& record)
{
    std::optional<T> again = decodeRecord<T>(encodeCompact(record));
    if (!again)
        std::abort();
    T expected = record;
    if constexpr (std::is_same_v<T, TranslationResult>) {
        clearIds(expected);
        clearIds(*again);
    }
    if (!(*again == expected))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView text(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::optional<IncomingMessage> message = decodeIncomingMessage(text);
    if (!message)
        return 0;
    const std::optional<IncomingMessage> again = decodeIncomingMessage(encodeIncomingMessage(*message));
    if (!again || !(withoutIds(*again) == withoutIds(*message)))
        std::abort();
    if (const auto* result = std::get_if<TranslationResult>(&*message))
        roundTrip(*result);
    else if (const auto* room = std::get_if<RoomCreatedMessage>(&*message))
        roundTrip(*room);
    else if (const auto* update = std::get_if<RoomUpdateMessage>(&*message))
        roundTrip(*update);
    return 0;
}
