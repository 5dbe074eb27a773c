// Encoding cost of a recording as the program pays it: seconds of 16 kHz
// mono audio recorded per second of CPU time (every thread of the process,
// the recorder's worker included), finishing included, and the share of one
// core that recording in real time costs.
//
// The input matters. A synthetic voice (a few harmonics and a little noise)
// is cheap to encode; what the program records is speech as the sound server
// hands it over (16 kHz mono 16-bit, resampled by the server), which leaves
// more high-frequency content for the encoder to code. Chunks go in 20 ms at
// a time through appendPCMData, as the capture thread hands them over.
#include "audio/AudioBlock.h"
#include "audio/AudioRecordingService.h"
#include "audio/capture/CaptureClock.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <cmath>
#include <ctime>
#include <future>
#include <random>
#include <thread>

using namespace tolvaran;

namespace {

double processCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

// Voice-like input: a wandering pitch with harmonics, syllable-rate
// loudness and some noise.
QByteArray syntheticVoice(int seconds)
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

// espeak-ng speech as the sound server hands it to the capture (16-bit in
// the capture's rate and channels), taken buffer by buffer as the capture
// does; empty when espeak-ng or sox is missing.
QByteArray capturedSpeech(int seconds)
{
    QTemporaryDir dir;
    const QString wav = dir.filePath("speech.wav");
    const QString raw = dir.filePath("speech.s16");
    QProcess espeak;
    espeak.start("espeak-ng",
        {"-w", wav,
            "Good morning everyone, thank you for joining the weekly planning call. Today we look at the release "
            "schedule, the open support tickets and the budget for the next quarter."});
    if (!espeak.waitForFinished(30000) || espeak.exitCode() != 0)
        return {};
    QProcess sox;
    sox.start("sox",
        {wav, "-r", QString::number(AudioBlock::sampleRate), "-c", QString::number(AudioBlock::channels), "-b", "16",
            "-e", "signed-integer", "-L", "-t", "raw", raw});
    if (!sox.waitForFinished(30000) || sox.exitCode() != 0)
        return {};
    QFile file(raw);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray once = file.readAll();
    const auto* samples = reinterpret_cast<const qint16*>(once.constData());
    const auto bufferSamples = qsizetype(CaptureClock::bufferFrames);
    const qsizetype count = once.size() / qsizetype(sizeof(qint16));

    QByteArray pcm;
    while (pcm.size() < seconds * 32000) {
        for (qsizetype offset = 0; offset + bufferSamples <= count && pcm.size() < seconds * 32000;
             offset += bufferSamples) {
            if (const auto chunk = toPCM16({samples + offset, bufferSamples}))
                pcm += *chunk;
        }
    }
    return pcm;
}

void record(benchmark::State& state, const QByteArray& pcm)
{
    if (pcm.isEmpty()) {
        state.SkipWithError("no input (espeak-ng and sox are needed)");
        return;
    }
    const double seconds = double(pcm.size()) / 32000.0;
    QTemporaryDir folder;
    AudioRecordingService recorder(folder.path(), qint64(seconds) * 16000 + 16000);
    double audioSeconds = 0;
    double cpuSeconds = 0;

    for (auto _ : state) {
        const double cpuBefore = processCpuSeconds();
        if (!recorder.startRecording()) {
            state.SkipWithError("recording did not start");
            break;
        }
        for (qsizetype offset = 0; offset < pcm.size(); offset += 640)
            recorder.appendPCMData(QByteArrayView(pcm).sliced(offset, std::min<qsizetype>(640, pcm.size() - offset)));
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
    state.counters["pct_of_core"] = 100.0 * cpuSeconds / audioSeconds;
}

void BM_RecordSyntheticVoice(benchmark::State& state)
{
    record(state, syntheticVoice(int(state.range(0))));
}

void BM_RecordCapturedSpeech(benchmark::State& state)
{
    record(state, capturedSpeech(int(state.range(0))));
}

} // namespace

BENCHMARK(BM_RecordSyntheticVoice)->Arg(60)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_RecordCapturedSpeech)->Arg(60)->Unit(benchmark::kMillisecond)->Iterations(3);
