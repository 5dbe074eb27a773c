#pragma once

#include <QByteArrayView>
#include <QString>

#include <variant>

namespace tolvaran {

// The WAV header in front of a stream's first audio frame. The server takes
// 16 kHz mono 16-bit PCM only; the sizes in the header are not read, since a
// live stream has none.
struct StreamHeader
{
    // Where the samples start in the frame that carried the header.
    qsizetype dataOffset = 0;

    // The header of a frame, or the reason it is refused.
    static std::variant<StreamHeader, QString> parse(QByteArrayView frame);
};

} // namespace tolvaran
