#pragma once

#include <QRandomGenerator>
#include <QUuid>

namespace tolvaran {

// A random (version 4) UUID for the identity of tokens, words, lines and
// recordings. QUuid::createUuid draws on the system's secure source at about
// half a microsecond a call; identities need no secrecy, and every server
// result makes dozens of them.
inline QUuid randomUuid()
{
    quint64 words[2];
    QRandomGenerator::global()->fillRange(words);
    QByteArray bytes(reinterpret_cast<const char*>(words), sizeof words);
    bytes[6] = char((bytes[6] & 0x0F) | 0x40); // version 4
    bytes[8] = char((bytes[8] & 0x3F) | 0x80); // RFC 4122 variant
    return QUuid::fromRfc4122(bytes);
}

} // namespace tolvaran
