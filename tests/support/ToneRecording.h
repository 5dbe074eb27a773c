#pragma once

#include "audio/AudioRecordingService.h"

#include <QByteArray>
#include <QList>
#include <QProcess>
#include <QString>

#include <algorithm>
#include <cmath>
#include <condition_variable>
#include <mutex>
#include <optional>

// Recordings made by the program's own recorder, for tests that play them,
// and the analysis of what reaches the sound server's output.
namespace tolvaran::test {

// PCM as the recorder takes it (16-bit, 16 kHz, mono): silence, then a sine.
inline QByteArray tonePCM(double frequency, double seconds, double silenceSeconds = 0, double amplitude = 0.5)
{
    const int total = int((silenceSeconds + seconds) * 16000);
    const int silent = int(silenceSeconds * 16000);
    QByteArray pcm(2 * total, Qt::Uninitialized);
    auto* samples = reinterpret_cast<qint16*>(pcm.data());
    for (int i = 0; i < total; ++i)
        samples[i] = i < silent ? 0 : qint16(32767 * amplitude * std::sin(2 * M_PI * frequency * (i - silent) / 16000));
    return pcm;
}

// Records pcm into an M4A file in folder; its path, or empty on failure.
inline QString recordFile(const QString& folder, const QByteArray& pcm)
{
    // A queue for all of it: fed faster than real time, it must drop nothing.
    AudioRecordingService recorder(folder, pcm.size() / 2 + 16000);
    if (!recorder.startRecording())
        return {};
    for (qsizetype at = 0; at < pcm.size(); at += 3200)
        recorder.appendPCMData(QByteArrayView(pcm.constData() + at, std::min<qsizetype>(3200, pcm.size() - at)));
    std::mutex lock;
    std::condition_variable done;
    std::optional<std::optional<QUrl>> result;
    recorder.stopRecording([&](std::optional<QUrl> file, double) {
        std::lock_guard guard(lock);
        result = file;
        done.notify_all();
    });
    std::unique_lock guard(lock);
    done.wait(guard, [&] { return result.has_value(); });
    return *result ? (*result)->toLocalFile() : QString();
}

// Listens to a sink's monitor as 16-bit 16 kHz mono, as long as it lives.
class MonitorRecorder
{
public:
    explicit MonitorRecorder(const QString& sink)
    {
        m_parec.start(QStringLiteral("parec"),
            {QStringLiteral("--raw"), QStringLiteral("--format=s16le"), QStringLiteral("--rate=16000"),
                QStringLiteral("--channels=1"), QStringLiteral("--latency-msec=20"), QStringLiteral("-d"),
                sink + QStringLiteral(".monitor")});
    }

    ~MonitorRecorder()
    {
        m_parec.kill();
        m_parec.waitForFinished(5000);
    }

    bool isRunning() { return m_parec.waitForStarted(5000); }

    // The samples heard since the last call.
    QList<float> take()
    {
        m_bytes += m_parec.readAllStandardOutput();
        QList<float> samples;
        const qsizetype count = m_bytes.size() / 2;
        const auto* data = reinterpret_cast<const qint16*>(m_bytes.constData());
        samples.reserve(count);
        for (qsizetype i = 0; i < count; ++i)
            samples.append(data[i] / 32768.0f);
        m_bytes.remove(0, count * 2);
        return samples;
    }

private:
    QProcess m_parec;
    QByteArray m_bytes;
};

// The loudest sample's level.
inline float peak(const QList<float>& samples)
{
    float top = 0;
    for (const float sample : samples)
        top = std::max(top, std::abs(sample));
    return top;
}

// The frequency of a tone in samples at 16 kHz, from the zero crossings of
// the middle half of its loud part; 0 when nothing loud is there.
inline double toneFrequency(const QList<float>& samples)
{
    const float threshold = peak(samples) * 0.3f;
    if (threshold < 0.01f)
        return 0;
    qsizetype first = 0;
    qsizetype last = samples.size() - 1;
    while (first < last && std::abs(samples[first]) < threshold)
        ++first;
    while (last > first && std::abs(samples[last]) < threshold)
        --last;
    const qsizetype length = last - first;
    const qsizetype from = first + length / 4;
    const qsizetype to = last - length / 4;
    if (to - from < 1600)
        return 0;
    int crossings = 0;
    for (qsizetype i = from + 1; i < to; ++i)
        if ((samples[i - 1] < 0) != (samples[i] < 0))
            ++crossings;
    return crossings / 2.0 / (double(to - from) / 16000);
}

} // namespace tolvaran::test
