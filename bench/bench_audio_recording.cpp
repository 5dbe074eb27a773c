// Encoding cost of a recording: seconds of 16 kHz mono audio written per
// second of CPU time, finishing included. A one-hour call should cost well
// under 20 s of CPU (a rate of at least 200).
#include "audio/AudioRecordingService.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <cmath>
#include <ctime>
#include <future>
#include <random>

using namespace tolvaran;

namespace {

double processCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

// Voice-like input: a wandering pitch with harmonics, syllable-rate
// loudness and some noise, so the encoder has real work to do.
QByteArray speechLikePcm(int seconds)
{
    QByteArray pcm(seconds * 16000 * 2, Qt::Uninitialized);
    auto* samples = reinterpret_cast<int16_t*>(pcm.data());
    std::mt19937 random(7);
    std::normal_distribution<double> noise(0, 0.02);
    double phase = 0;
    for (int i = 0; i < seconds * 16000; ++i) {
        const double t = i / 16000.0;
        const double pitch = 140 + 40 * std::sin(2 * M_PI * 0.7 * t);
        phase += 2 * M_PI * pitch / 16000.0;
        const double envelope = 0.5 + 0.5 * std::sin(2 * M_PI * 4 * t);
        const double voice = 0.5 * std::sin(phase) + 0.25 * std::sin(2 * phase) + 0.12 * std::sin(3 * phase);
        samples[i] = int16_t(std::clamp((voice * envelope + noise(random)) * 12000, -32768.0, 32767.0));
    }
    return pcm;
}

void BM_RecordSpeech(benchmark::State& state)
{
    const int seconds = int(state.range(0));
    const QByteArray pcm = speechLikePcm(seconds);
    QTemporaryDir folder;
    AudioRecordingService recorder(folder.path());
    double audioSeconds = 0;
    double cpuSeconds = 0;

    for (auto _ : state) {
        const double cpuBefore = processCpuSeconds();
        if (!recorder.startRecording()) {
            state.SkipWithError("recording did not start");
            break;
        }
        for (qsizetype offset = 0; offset < pcm.size(); offset += 640)
            recorder.appendPCMData(QByteArrayView(pcm).sliced(offset, 640));
        std::promise<std::optional<QUrl>> finished;
        recorder.stopRecording([&finished](std::optional<QUrl> file, double) { finished.set_value(file); });
        const std::optional<QUrl> file = finished.get_future().get();
        cpuSeconds += processCpuSeconds() - cpuBefore;
        audioSeconds += seconds;

        state.PauseTiming();
        if (file)
            QFile::remove(file->toLocalFile());
        state.ResumeTiming();
    }
    state.counters["audio_s_per_cpu_s"] = audioSeconds / cpuSeconds;
    state.counters["audio_s"] = benchmark::Counter(audioSeconds);
}

} // namespace

BENCHMARK(BM_RecordSpeech)->Arg(60)->Unit(benchmark::kMillisecond)->Iterations(5);
