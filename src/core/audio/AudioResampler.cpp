#include "AudioResampler.h"

#include <cstdint>
#include <limits>

namespace tolvaran::AudioResampler {

std::vector<float> downmixToMono(const float* samples, qsizetype count, int channels)
{
    if (!samples || count <= 0 || channels < 1)
        return {};
    if (channels < 2)
        return std::vector<float>(samples, samples + count);
    const qsizetype frames = count / channels;
    std::vector<float> mono(static_cast<size_t>(frames));
    for (qsizetype i = 0; i < frames; ++i) {
        const float* frame = samples + i * channels;
        mono[size_t(i)] = (frame[0] + frame[1]) * 0.5f;
    }
    return mono;
}

std::vector<float> resample(std::span<const float> samples, double from, double to)
{
    const double ratio = to / from;
    const double wanted = double(samples.size()) * ratio;
    // Also refuses NaN and infinite ratios from a zero or absurd rate.
    if (!(wanted >= 1.0) || wanted > double(std::numeric_limits<qsizetype>::max() / 8))
        return {};
    const auto n = size_t(wanted);
    std::vector<float> output(n, 0.0f);
    const size_t count = samples.size();
    for (size_t i = 0; i < n; ++i) {
        const double position = double(i) / ratio;
        const auto k = size_t(position);
        const auto frac = float(position - double(k));
        if (k + 1 < count)
            output[i] = samples[k] * (1.0f - frac) + samples[k + 1] * frac;
        else if (k < count)
            output[i] = samples[k];
    }
    return output;
}

QByteArray float32ToInt16PCM(std::span<const float> samples)
{
    QByteArray bytes;
    if (samples.empty())
        return bytes;
    bytes.resize(qsizetype(samples.size() * 2));
    auto* out = reinterpret_cast<uint8_t*>(bytes.data());
    for (const float sample : samples) {
        // Written so that NaN fails the first test and becomes 1.
        float clamped = sample;
        if (!(clamped < 1.0f))
            clamped = 1.0f;
        else if (clamped < -1.0f)
            clamped = -1.0f;
        const auto value = static_cast<int16_t>(clamped * 32767.0f);
        const auto bits = static_cast<uint16_t>(value);
        *out++ = uint8_t(bits & 0xFF);
        *out++ = uint8_t(bits >> 8);
    }
    return bytes;
}

} // namespace tolvaran::AudioResampler
