#include "DecodedAudio.h"
#include "LogCapture.h"
#include "SpeechPlayer.h"
#include "audio/AudioRecordingService.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <cmath>
#include <condition_variable>
#include <csignal>
#include <mutex>
#include <sys/resource.h>
#include <thread>

using namespace tolvaran;
using namespace std::chrono_literals;

namespace {

const char* const category = "com.tolvaran.app.AudioRecording";
constexpr qsizetype chunkBytes = 640; // 20 ms at 16 kHz

// Records every call of a completion, from whichever thread it comes. The
// record outlives the probe, so a test that fails early leaves no dangling
// completion behind.
class CompletionProbe
{
public:
    AudioRecordingService::Completion completion()
    {
        return [state = m_state](std::optional<QUrl> file, double duration) {
            std::lock_guard guard(state->mutex);
            ++state->calls;
            state->file = std::move(file);
            state->duration = duration;
            state->thread = std::this_thread::get_id();
            state->changed.notify_all();
        };
    }

    bool waitForCall(std::chrono::seconds timeout = 20s)
    {
        std::unique_lock guard(m_state->mutex);
        return m_state->changed.wait_for(guard, timeout, [this] { return m_state->calls > 0; });
    }

    int calls() const { return read(&State::calls); }

    std::optional<QUrl> file() const { return read(&State::file); }

    double duration() const { return read(&State::duration); }

    std::thread::id thread() const { return read(&State::thread); }

private:
    struct State
    {
        std::mutex mutex;
        std::condition_variable changed;
        int calls = 0;
        std::optional<QUrl> file;
        double duration = -1;
        std::thread::id thread;
    };

    template<typename T>
    T read(T State::*field) const
    {
        std::lock_guard guard(m_state->mutex);
        return (*m_state).*field;
    }

    std::shared_ptr<State> m_state = std::make_shared<State>();
};

// A file size limit stands in for a full disk: writes beyond it fail.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        m_isSet = getrlimit(RLIMIT_FSIZE, &m_previous) == 0;
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit limited = m_previous;
        limited.rlim_cur = bytes;
        m_isSet = m_isSet && setrlimit(RLIMIT_FSIZE, &limited) == 0;
    }

    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_previousHandler);
    }

    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    bool isSet() const { return m_isSet; }

private:
    struct rlimit m_previous
    {
    };

    void (*m_previousHandler)(int) = nullptr;
    bool m_isSet = false;
};

void appendInChunks(AudioRecordingService& recorder, const QByteArray& pcm)
{
    for (qsizetype offset = 0; offset < pcm.size(); offset += chunkBytes)
        recorder.appendPCMData(QByteArrayView(pcm).sliced(offset, std::min(chunkBytes, pcm.size() - offset)));
}

} // namespace

class TestAudioRecordingService : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_scratch;
    QByteArray m_speech; // exactly 10 s of 16 kHz mono s16

    QString outputDir() const { return m_scratch.filePath("out"); }

private slots:

    void initTestCase()
    {
        QVERIFY(m_scratch.isValid());
        QVERIFY(QDir().mkpath(outputDir()));
        const QString wav = test::makeSpeech(m_scratch.path(), "speech",
            "Good morning everyone, thank you for joining the weekly planning call. Today we look at the release "
            "schedule, the open support tickets and the budget for the next quarter.");
        QVERIFY2(!wav.isEmpty(), "espeak-ng is needed (scripts/setup-deps)");
        const QString raw = m_scratch.filePath("speech.raw");
        QProcess sox;
        sox.start("sox", {wav, "-r", "16000", "-c", "1", "-b", "16", "-e", "signed-integer", "-t", "raw", raw});
        QVERIFY2(sox.waitForFinished(30000) && sox.exitCode() == 0, "sox is needed (scripts/setup-deps)");
        QFile file(raw);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray once = file.readAll();
        QVERIFY(once.size() > 32000);
        while (m_speech.size() < 320000)
            m_speech += once;
        m_speech.truncate(320000);
    }

    void speechBecomesAacFile()
    {
        test::LogCapture log(category);
        AudioRecordingService recorder(outputDir());
        QVERIFY(recorder.startRecording());
        QVERIFY(recorder.isRecording());
        QVERIFY(recorder.recordingStartDate());
        QVERIFY(qAbs(recorder.recordingStartDate()->msecsTo(QDateTime::currentDateTimeUtc())) < 5000);
        appendInChunks(recorder, m_speech);
        QCOMPARE(recorder.sampleOffset(), 160000);

        CompletionProbe probe;
        recorder.stopRecording(probe.completion());
        QVERIFY(!recorder.isRecording());
        QVERIFY(probe.waitForCall());
        QVERIFY(probe.thread() != std::this_thread::get_id());
        QCOMPARE(probe.duration(), 10.0);
        QVERIFY(probe.file());
        const QString path = probe.file()->toLocalFile();
        QCOMPARE(QFileInfo(path).absolutePath(), QFileInfo(outputDir()).absoluteFilePath());
        QVERIFY2(QRegularExpression("^tolvaran_rec_\\d+\\.m4a$").match(QFileInfo(path).fileName()).hasMatch(),
            qPrintable(path));
        QCOMPARE(log.count("Recording started: " + path), 1);
        QCOMPARE(log.count("Recording saved: " + path + ", duration: 10.0s"), 1);

        const auto audio = test::DecodedAudio::of(path);
        QVERIFY2(audio.ok, qPrintable(audio.error));
        QCOMPARE(audio.codecName, "aac");
        QCOMPARE(audio.sampleRate, 44100);
        QCOMPARE(audio.channels, 1);
        QVERIFY2(qAbs(audio.duration() - 10.0) <= 0.1, qPrintable(QString::number(audio.duration())));
        QVERIFY2(audio.bitRate() >= 56000 && audio.bitRate() <= 72000, qPrintable(QString::number(audio.bitRate())));
        QCOMPARE(probe.calls(), 1);
    }

    // What plays back is what went in: same pitch, same level, at the same
    // place in the file (the transcript is timed against it).
    void tonePlaysBackAsRecorded_data()
    {
        QTest::addColumn<double>("frequency");
        QTest::newRow("300 Hz") << 300.0;
        QTest::newRow("1 kHz") << 1000.0;
        QTest::newRow("3.4 kHz") << 3400.0;
    }

    void tonePlaysBackAsRecorded()
    {
        QFETCH(double, frequency);
        constexpr double amplitude = 0.25;
        constexpr int silentSamples = 8000;
        QByteArray pcm(2 * 40000, Qt::Uninitialized);
        auto* samples = reinterpret_cast<int16_t*>(pcm.data());
        for (int i = 0; i < 40000; ++i)
            samples[i]
                = i < silentSamples ? 0 : int16_t(32767 * amplitude * std::sin(2 * M_PI * frequency * i / 16000));

        AudioRecordingService recorder(outputDir());
        QVERIFY(recorder.startRecording());
        appendInChunks(recorder, pcm);
        CompletionProbe probe;
        recorder.stopRecording(probe.completion());
        QVERIFY(probe.waitForCall());
        QVERIFY(probe.file());
        const auto audio = test::DecodedAudio::of(probe.file()->toLocalFile());
        QVERIFY2(audio.ok, qPrintable(audio.error));
        const QList<float>& decoded = audio.firstChannel;
        QCOMPARE(decoded.size(), audio.samples);

        qsizetype onset = 0;
        while (onset < decoded.size() && std::abs(decoded[onset]) < amplitude / 2)
            ++onset;
        const double onsetSeconds = double(onset) / audio.sampleRate;
        QVERIFY2(onsetSeconds >= 0.5 && onsetSeconds < 0.56, qPrintable(QString::number(onsetSeconds)));
        // The tone runs to the end of the input: its last milliseconds are
        // in the file too.
        qsizetype end = decoded.size();
        while (end > onset && std::abs(decoded[end - 1]) < amplitude / 2)
            --end;
        const double toneSeconds = double(end - onset) / audio.sampleRate;
        QVERIFY2(toneSeconds >= 1.99, qPrintable(QString::number(toneSeconds)));

        // One second well inside the tone.
        const QList<float> middle = decoded.mid(audio.sampleRate, audio.sampleRate);
        QCOMPARE(middle.size(), audio.sampleRate);
        int crossings = 0;
        double energy = 0;
        for (qsizetype i = 0; i < middle.size(); ++i) {
            energy += double(middle[i]) * middle[i];
            if (i > 0 && (middle[i - 1] < 0) != (middle[i] < 0))
                ++crossings;
        }
        QVERIFY2(qAbs(crossings / 2.0 - frequency) <= frequency * 0.01, qPrintable(QString::number(crossings / 2.0)));
        const double levelDb = 20 * std::log10(std::sqrt(energy / middle.size()) / (amplitude / std::sqrt(2.0)));
        QVERIFY2(qAbs(levelDb) <= 1.0, qPrintable(QString::number(levelDb)));
    }

    void chunkSizes_data()
    {
        QTest::addColumn<int>("bytes");
        QTest::addColumn<qint64>("frames");
        QTest::newRow("empty") << 0 << qint64(0);
        QTest::newRow("one byte") << 1 << qint64(0);
        QTest::newRow("one sample") << 2 << qint64(1);
        QTest::newRow("682 bytes") << 682 << qint64(341);
        QTest::newRow("683 bytes") << 683 << qint64(341);
    }

    void chunkSizes()
    {
        QFETCH(int, bytes);
        QFETCH(qint64, frames);
        AudioRecordingService recorder(outputDir());
        QVERIFY(recorder.startRecording());
        // Odd offsets, as a byte buffer hands them out.
        recorder.appendPCMData(QByteArrayView(m_speech).sliced(1, bytes));
        QCOMPARE(recorder.sampleOffset(), frames);
        recorder.appendPCMData(QByteArrayView(m_speech).first(682));
        QCOMPARE(recorder.sampleOffset(), frames + 341);

        CompletionProbe probe;
        recorder.stopRecording(probe.completion());
        QVERIFY(probe.waitForCall());
        QCOMPARE(probe.duration(), double(frames + 341) / 16000.0);
        QVERIFY(probe.file());
    }

    void stopWithoutRecordingCompletesAtOnce()
    {
        AudioRecordingService recorder(outputDir());
        CompletionProbe probe;
        recorder.stopRecording(probe.completion());
        QCOMPARE(probe.calls(), 1);
        QCOMPARE(probe.thread(), std::this_thread::get_id());
        QVERIFY(!probe.file());
        QCOMPARE(probe.duration(), 0.0);
    }

    void startWhileRecordingChangesNothing()
    {
        AudioRecordingService recorder(outputDir());
        QVERIFY(recorder.startRecording());
        const auto started = recorder.recordingStartDate();
        recorder.appendPCMData(QByteArrayView(m_speech).first(640));
        QVERIFY(!recorder.startRecording());
        QVERIFY(recorder.isRecording());
        QCOMPARE(recorder.sampleOffset(), 320);
        QCOMPARE(recorder.recordingStartDate(), started);
    }

    void appendsAfterStopAreDropped()
    {
        AudioRecordingService recorder(outputDir());
        QVERIFY(recorder.startRecording());
        appendInChunks(recorder, m_speech.first(32000));
        CompletionProbe probe;
        recorder.stopRecording(probe.completion());
        appendInChunks(recorder, m_speech.first(32000));
        QCOMPARE(recorder.sampleOffset(), 0);
        QVERIFY(probe.waitForCall());
        QCOMPARE(probe.duration(), 1.0);
        const auto audio = test::DecodedAudio::of(probe.file().value_or(QUrl()).toLocalFile());
        QVERIFY2(audio.ok, qPrintable(audio.error));
        QVERIFY2(qAbs(audio.duration() - 1.0) <= 0.1, qPrintable(QString::number(audio.duration())));
    }

    void recordingsNeverShareAFile()
    {
        QTemporaryDir folder;
        const QString taken
            = folder.filePath(QStringLiteral("tolvaran_rec_%1.m4a").arg(QDateTime::currentSecsSinceEpoch()));
        {
            QFile other(taken);
            QVERIFY(other.open(QIODevice::WriteOnly));
            other.write("another recording");
        }
        AudioRecordingService recorder(folder.path());
        CompletionProbe first;
        CompletionProbe second;
        QVERIFY(recorder.startRecording());
        appendInChunks(recorder, m_speech.first(16000));
        recorder.stopRecording(first.completion());
        // The first file may still be finishing while the next one starts.
        QVERIFY(recorder.startRecording());
        appendInChunks(recorder, m_speech.first(16000));
        recorder.stopRecording(second.completion());
        QVERIFY(first.waitForCall() && second.waitForCall());
        QVERIFY(first.file() && second.file());
        QVERIFY(*first.file() != *second.file());
        QVERIFY(test::DecodedAudio::of(first.file()->toLocalFile()).ok);
        QVERIFY(test::DecodedAudio::of(second.file()->toLocalFile()).ok);
        QFile other(taken);
        QVERIFY(other.open(QIODevice::ReadOnly));
        QCOMPARE(other.readAll(), "another recording");
    }

    void startFailsWithoutFolder()
    {
        test::LogCapture log(category);
        AudioRecordingService recorder(m_scratch.filePath("missing"));
        QVERIFY(!recorder.startRecording());
        QVERIFY(!recorder.isRecording());
        QVERIFY(!recorder.recordingStartDate());
        QCOMPARE(log.lines().size(), 1);
        QVERIFY(log.lines().first().startsWith("Failed to create AVAssetWriter: "));
        CompletionProbe probe;
        recorder.stopRecording(probe.completion());
        QCOMPARE(probe.calls(), 1);
        QVERIFY(!probe.file());
    }

    void copyTakenMidRecordingDecodes()
    {
        QTemporaryDir folder;
        AudioRecordingService recorder(folder.path());
        QVERIFY(recorder.startRecording());
        appendInChunks(recorder, m_speech.first(5 * 32000));
        // Whatever a crash would leave behind once the worker wrote what it was given.
        const QString copy = m_scratch.filePath("mid-recording-copy.m4a");
        QDir output(folder.path());
        const QStringList files = output.entryList({"tolvaran_rec_*.m4a"}, QDir::Files, QDir::Time);
        QVERIFY(!files.isEmpty());
        const auto copyDecodes = [&] {
            QFile::remove(copy);
            return QFile::copy(output.filePath(files.first()), copy) && test::DecodedAudio::of(copy).duration() >= 3.0;
        };
        QTRY_VERIFY(copyDecodes());

        const auto audio = test::DecodedAudio::of(copy);
        QVERIFY2(audio.ok, qPrintable(audio.error));
        QCOMPARE(audio.codecName, "aac");
        QVERIFY2(audio.duration() >= 3.0 && audio.duration() <= 5.0, qPrintable(QString::number(audio.duration())));
        CompletionProbe probe;
        recorder.stopRecording(probe.completion());
        QVERIFY(probe.waitForCall());
    }

    void appendWhileStoppingOnAnotherThread()
    {
        // Appends come far faster than real time here: a queue for all of
        // them, so that what is checked is the hand-over, not the bound.
        AudioRecordingService recorder(outputDir(), qint64(600) * AudioRecordingService::inputSampleRate);
        std::atomic<bool> running{true};
        std::atomic<qint64> appended{0};
        std::thread capture([&] {
            qsizetype offset = 0;
            while (running.load()) {
                recorder.appendPCMData(QByteArrayView(m_speech).sliced(offset, chunkBytes));
                offset = (offset + chunkBytes) % m_speech.size();
                appended += chunkBytes / 2;
                if (offset % (chunkBytes * 8) == 0)
                    std::this_thread::yield();
            }
        });

        std::vector<std::unique_ptr<CompletionProbe>> probes;
        for (int round = 0; round < 6; ++round) {
            QVERIFY(recorder.startRecording());
            const qint64 before = appended.load();
            while (appended.load() - before < 8000)
                std::this_thread::yield();
            probes.push_back(std::make_unique<CompletionProbe>());
            recorder.stopRecording(probes.back()->completion());
        }
        running = false;
        capture.join();

        for (const auto& probe : probes) {
            QVERIFY(probe->waitForCall());
            QCOMPARE(probe->calls(), 1);
            QVERIFY(probe->file());
            QVERIFY(probe->duration() >= 0.4);
            const auto audio = test::DecodedAudio::of(probe->file()->toLocalFile());
            QVERIFY2(audio.ok, qPrintable(audio.error));
            QVERIFY2(qAbs(audio.duration() - probe->duration()) <= 0.1,
                qPrintable(QStringLiteral("%1 vs %2").arg(audio.duration()).arg(probe->duration())));
        }
    }

    void fullDiskEndsQuietlyAndKeepsWhatWasWritten()
    {
        auto limit = std::make_unique<FileSizeLimit>(24 * 1024);
        QVERIFY(limit->isSet());
        test::LogCapture log(category);
        CompletionProbe probe;
        {
            AudioRecordingService recorder(outputDir());
            QVERIFY(recorder.startRecording());
            appendInChunks(recorder, m_speech);
            recorder.stopRecording(probe.completion());
            QVERIFY(probe.waitForCall());
        }
        limit.reset();

        QCOMPARE(probe.calls(), 1);
        QCOMPARE(log.lines().filter(QRegularExpression("^Failed to write audio: ")).size(), 1);
        QCOMPARE(log.lines().filter(QRegularExpression("^Recording failed: ")).size(), 1);
        QVERIFY(probe.file());
        QVERIFY(probe.duration() > 1.0 && probe.duration() < 10.0);
        const auto audio = test::DecodedAudio::of(probe.file()->toLocalFile());
        QVERIFY2(audio.duration() >= 1.0, qPrintable(audio.error));
        QVERIFY(audio.duration() <= probe.duration() + 0.1);
    }

    // The last flush or the close fails (the disk fills at the very end):
    // the fragments already on disk stay, as with a disk that fills earlier.
    void failedFinishKeepsThePlayablePart()
    {
        QTemporaryDir folder;
        test::LogCapture log(category);
        CompletionProbe probe;
        QString path;
        {
            AudioRecordingService recorder(folder.path());
            QVERIFY(recorder.startRecording());
            appendInChunks(recorder, m_speech.first(3 * 32000));
            const QStringList files = QDir(folder.path()).entryList({"tolvaran_rec_*.m4a"}, QDir::Files);
            QCOMPARE(files.size(), 1);
            path = folder.filePath(files.first());
            QTRY_VERIFY(test::DecodedAudio::of(path).duration() >= 1.5);

            FileSizeLimit limit(rlim_t(QFileInfo(path).size()));
            QVERIFY(limit.isSet());
            recorder.stopRecording(probe.completion());
            QVERIFY(probe.waitForCall());
        }
        QCOMPARE(log.lines().filter(QRegularExpression("^Recording failed: ")).size(), 1);
        QVERIFY(probe.file());
        QCOMPARE(probe.file()->toLocalFile(), path);
        QCOMPARE(probe.duration(), 3.0);
        const auto audio = test::DecodedAudio::of(path);
        QVERIFY2(audio.ok, qPrintable(audio.error));
        QVERIFY2(audio.duration() >= 1.5, qPrintable(QString::number(audio.duration())));
    }
};

QTEST_GUILESS_MAIN(TestAudioRecordingService)
#include "tst_AudioRecordingService.moc"
