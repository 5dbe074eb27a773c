#pragma once

#include <QByteArray>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

namespace tolvaran::test {

// The amplitude (in sample units) of one frequency in 16-bit little-endian
// mono PCM, by the Goertzel filter: a full-scale sine of that frequency gives
// about 32767, other frequencies next to nothing.
inline double toneLevel(const QByteArray& pcm, double frequency, double sampleRate = 16000)
{
    const auto* bytes = reinterpret_cast<const uint8_t*>(pcm.constData());
    const qsizetype count = pcm.size() / 2;
    if (count == 0)
        return 0;
    const double coefficient = 2 * std::cos(2 * std::numbers::pi * frequency / sampleRate);
    double previous = 0;
    double beforePrevious = 0;
    for (qsizetype i = 0; i < count; ++i) {
        const double sample = int16_t(uint16_t(bytes[2 * i] | (bytes[2 * i + 1] << 8)));
        const double current = sample + coefficient * previous - beforePrevious;
        beforePrevious = previous;
        previous = current;
    }
    const double power
        = previous * previous + beforePrevious * beforePrevious - coefficient * previous * beforePrevious;
    return 2 * std::sqrt(std::max(power, 0.0)) / double(count);
}

// A tone's level in most of the 100 ms blocks of pcm (the median): a loaded
// machine may stall a new stream for a moment, which silence stands in for.
// The test tones fill whole cycles in 100 ms, so none leaks into another's
// measure.
inline double typicalLevel(const QByteArray& pcm, int tone)
{
    constexpr qsizetype blockBytes = 3200;
    std::vector<double> blocks;
    for (qsizetype at = 0; at + blockBytes <= pcm.size(); at += blockBytes)
        blocks.push_back(toneLevel(pcm.mid(at, blockBytes), tone));
    if (blocks.empty())
        return 0;
    const auto middle = blocks.begin() + qsizetype(blocks.size() / 2);
    std::nth_element(blocks.begin(), middle, blocks.end());
    return *middle;
}

} // namespace tolvaran::test
