#pragma once

#include <QByteArray>

#include <span>
#include <vector>

namespace tolvaran {

// Sample-level steps from captured float audio to the outgoing 16-bit PCM.
// Stateless: every call works only on the samples it is given.
namespace AudioResampler {

// Interleaved frames to mono; only the first two channels of a frame count.
// One channel gives a copy of all samples; zero channels give nothing.
std::vector<float> downmixToMono(const float* samples, qsizetype count, int channels);

// Linear interpolation without a low-pass filter; nothing carries over
// between calls, so the first output sample is the first input sample.
std::vector<float> resample(std::span<const float> samples, double from, double to);

// Clamped to [-1, 1], scaled by 32767 and truncated; NaN gives 32767.
QByteArray float32ToInt16PCM(std::span<const float> samples);

} // namespace AudioResampler

} // namespace tolvaran
