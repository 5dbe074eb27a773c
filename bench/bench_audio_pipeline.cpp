// What one 20 ms capture buffer costs on the capture thread: down-mix,
// resample, quantise and the microphone mix, as the handler does it 50 times
// a second for as long as the user listens.
#include "audio/AudioCaptureService.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <vector>

using namespace tolvaran;

namespace {

std::vector<float> stereoTone()
{
    std::vector<float> samples(size_t(AudioCaptureService::captureBufferFrames) * 2);
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = 0.6f * std::sin(float(i / 2) * 0.0577f) + (i % 2 ? 0.1f : -0.1f);
    return samples;
}

void BM_PipelinePerBuffer(benchmark::State& state)
{
    const std::vector<float> samples = stereoTone();
    const CapturedAudioBuffer buffer{samples.data(), qsizetype(samples.size()), 2, 48000};
    AudioCaptureService service;
    const QByteArray mic(640, char(3));
    for (auto _ : state) {
        service.micEngine().buffer().append(mic);
        const auto system = AudioCaptureService::convertToPCM16(buffer);
        benchmark::DoNotOptimize(service.mixMicIntoSystemAudio(*system));
    }
}

BENCHMARK(BM_PipelinePerBuffer)->Unit(benchmark::kNanosecond);

void BM_ConvertWithoutMicrophone(benchmark::State& state)
{
    const std::vector<float> samples = stereoTone();
    const CapturedAudioBuffer buffer{samples.data(), qsizetype(samples.size()), 2, 48000};
    for (auto _ : state)
        benchmark::DoNotOptimize(AudioCaptureService::convertToPCM16(buffer));
}

BENCHMARK(BM_ConvertWithoutMicrophone)->Unit(benchmark::kNanosecond);

} // namespace
