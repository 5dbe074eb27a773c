// What one 20 ms capture buffer costs on the capture thread: the clock's
// mix and hand-over, the framing and the microphone mix, as the capture
// does it 50 times a second for as long as the user listens. The sound
// server delivers the wire format, so nothing is converted.
#include "audio/AudioCaptureService.h"
#include "audio/capture/CaptureClock.h"
#include "audio/capture/PcmFramer.h"

#include <QtEndian>

#include <benchmark/benchmark.h>
#include <cmath>
#include <vector>

using namespace tolvaran;

namespace {

std::vector<qint16> tone()
{
    std::vector<qint16> samples(CaptureClock::bufferFrames);
    for (size_t i = 0; i < samples.size(); ++i)
        qToLittleEndian<qint16>(qint16(20000 * std::sin(float(i) * 0.0577f)), samples.data() + i);
    return samples;
}

void BM_PipelinePerBuffer(benchmark::State& state)
{
    const std::vector<qint16> samples = tone();
    AudioCaptureService service;
    service.setMicEnabled(true);
    PcmFramer framer(service, service.micEngine());
    qsizetype bytes = 0;
    service.onAudioData = [&bytes](const QByteArray& chunk) { bytes += chunk.size(); };
    CaptureClock clock([&framer](const AudioBlock& buffer) { framer.frame(buffer); });
    clock.start();
    const QByteArray mic(640, char(3));
    for (auto _ : state) {
        service.micEngine().buffer().append(mic);
        clock.mixIn(clock.heldEnd(), samples.data(), samples.size());
        clock.deliverHeld();
        // The lead cap would drop what runs ahead of the wall clock.
        clock.start(0);
    }
    benchmark::DoNotOptimize(bytes);
}

BENCHMARK(BM_PipelinePerBuffer)->Unit(benchmark::kNanosecond);

void BM_FrameWithoutMicrophone(benchmark::State& state)
{
    const std::vector<qint16> samples = tone();
    AudioCaptureService service;
    PcmFramer framer(service, service.micEngine());
    qsizetype bytes = 0;
    service.onAudioData = [&bytes](const QByteArray& chunk) { bytes += chunk.size(); };
    for (auto _ : state)
        framer.frame({samples.data(), qsizetype(samples.size())});
    benchmark::DoNotOptimize(bytes);
}

BENCHMARK(BM_FrameWithoutMicrophone)->Unit(benchmark::kNanosecond);

} // namespace
