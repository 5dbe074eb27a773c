#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <optional>

namespace tolvaran {

// A piece of audio as the sound server hands it to the system-audio capture
// and to the microphone alike: 16 kHz mono, signed 16-bit little-endian
// samples, which is the outgoing wire format itself.
struct AudioBlock
{
    static constexpr int sampleRate = 16000;
    static constexpr int channels = 1;

    // Little-endian whatever the host's order.
    const qint16* samples = nullptr;
    qsizetype sampleCount = 0;
};

// The block's bytes as they go out; nothing for a block without samples.
std::optional<QByteArray> toPCM16(const AudioBlock& block);

} // namespace tolvaran
