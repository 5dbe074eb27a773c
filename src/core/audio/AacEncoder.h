#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>

namespace tolvaran {

// AAC-LC from 16-bit mono PCM, one raw frame per 1024 samples, with
// VisualOn's encoder: on speech it needs about half the CPU time of FFmpeg's
// own AAC encoder, which matters over calls that last all day.
class AacEncoder
{
public:
    static constexpr int frameSamples = 1024;
    // A sample reaches the packets this many samples after it went in: the
    // last ones need this much silence after them to come out.
    static constexpr int delaySamples = 1600;

    // nullptr, with the reason in errorText, for a rate AAC has no index for
    // or when the library refuses the settings.
    static std::unique_ptr<AacEncoder> open(int sampleRate, int bitRate, QString* errorText);
    ~AacEncoder();

    AacEncoder(const AacEncoder&) = delete;
    AacEncoder& operator=(const AacEncoder&) = delete;

    // Encodes frameSamples samples into one raw AAC frame, valid until the
    // next call; none on failure.
    std::optional<QByteArrayView> encode(const int16_t* frame);

    // The two bytes of AudioSpecificConfig a container stores for the stream.
    QByteArray audioSpecificConfig() const;

private:
    struct Library;

    AacEncoder() = default;

    std::unique_ptr<Library> m_library;
    int m_sampleRateIndex = 0;
    QByteArray m_output;
};

} // namespace tolvaran
