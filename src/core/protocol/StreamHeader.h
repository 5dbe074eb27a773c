#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <variant>

namespace tolvaran {

// The WAV header in front of a stream's first audio frame. The server takes
// 16 kHz mono 16-bit PCM only; the sizes in the header are not read, since a
// live stream has none.
struct StreamHeader
{
    static constexpr quint32 sampleRate = 16000;
    static constexpr quint16 channels = 1;
    // The data size a live stream declares: the largest a reader takes.
    static constexpr quint32 endlessDataSize = 0x7FFFFFFF;

    // Where the samples start in the frame that carried the header.
    qsizetype dataOffset = 0;

    // The header of a frame, or the reason it is refused.
    static std::variant<StreamHeader, QString> parse(QByteArrayView frame);
    // The 44 bytes the client sends before its first samples.
    static QByteArray write(quint32 dataSize = endlessDataSize);
};

} // namespace tolvaran
