#include "FakeAudioCapture.h"
#include "LogCapture.h"
#include "SoundServer.h"
#include "SpeechPlayer.h"
#include "audio/AudioCaptureService.h"
#include "audio/AudioPipeline.h"
#include "audio/AudioRecordingService.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <atomic>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace tolvaran;

class TestAudioPipeline : public QObject
{
    Q_OBJECT

private slots:

    // The sender gets every chunk on the main thread in capture order; the
    // recorder gets the same PCM without the header; what an earlier session
    // left in the queue never reaches a new connection.
    void chunksForkToSenderAndRecorder()
    {
        QTemporaryDir folder;
        test::FakeAudioCapture capture;
        AudioRecordingService recorder(folder.path());
        AudioPipeline pipeline(capture, &recorder);
        QList<QByteArray> sent;
        QStringList errors;
        bool onMainThread = true;
        QList<bool> away;
        connect(&pipeline, &AudioPipeline::chunkReady, [&](const QByteArray& chunk) {
            onMainThread = onMainThread && QThread::currentThread() == thread();
            sent.append(chunk);
        });
        connect(&pipeline, &AudioPipeline::captureFailed, [&](const QString& message) { errors.append(message); });
        connect(&pipeline, &AudioPipeline::soundServerAwayChanged, [&](bool isAway) {
            onMainThread = onMainThread && QThread::currentThread() == thread();
            away.append(isAway);
        });

        QVERIFY(recorder.startRecording());
        QVERIFY(QCoro::waitFor(capture.startCapture()) == std::nullopt);
        capture.deliver({QByteArray(640, 'a'), QByteArray(640, 'b'), QByteArray(640, 'c')});
        QTRY_COMPARE(sent.size(), 3);
        QCOMPARE(sent,
            (QList<QByteArray>{
                StreamHeader::write() + QByteArray(640, 'a'), QByteArray(640, 'b'), QByteArray(640, 'c')}));
        QVERIFY(onMainThread);
        QCOMPARE(recorder.sampleOffset(), 960);

        // Captured, not yet delivered, then a new session begins.
        capture.deliver({QByteArray(640, 'd')});
        pipeline.beginSession();
        capture.deliver({QByteArray(640, 'e')});
        QTRY_COMPARE(sent.size(), 4);
        QTest::qWait(20);
        QCOMPARE(sent.last(), QByteArray(640, 'e'));
        QCOMPARE(recorder.sampleOffset(), 1600);

        capture.reportSoundServerAway(true);
        capture.reportSoundServerAway(false);
        QTRY_COMPARE(away, (QList<bool>{true, false}));
        capture.failWhileRunning("Audio capture failed: gone");
        QTRY_COMPARE(errors, QStringList{"Audio capture failed: gone"});
        QVERIFY(onMainThread);
        recorder.stopRecording(nullptr);
    }

    // The disk stops taking data for 3 s (a pipe nobody reads): the
    // recording drops what its queue cannot hold and says so once, while
    // the stream to the server goes on at real time.
    void stalledRecorderLeavesTheStreamContinuous()
    {
        TOLVARAN_REQUIRE_SOUND_SERVER();
        QTemporaryDir folder;
        // Silence encodes to almost nothing: speech fills the pipe.
        const QString speech = test::makeSpeech(folder.path(), "speech",
            "Good morning everyone, thank you for joining the weekly planning call. Today we look at the release "
            "schedule, the open support tickets and the budget for the next quarter.");
        QVERIFY(!speech.isEmpty());
        const QString pipePath = folder.filePath("stalled.m4a");
        QCOMPARE(::mkfifo(QFile::encodeName(pipePath).constData(), 0600), 0);
        const int reader = ::open(QFile::encodeName(pipePath).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        QVERIFY(reader >= 0);
        // The smallest pipe: a second of speech fills it.
        QVERIFY(::fcntl(reader, F_SETPIPE_SZ, 4096) >= 0);

        // The disk comes back when told, and at the latest when the test
        // ends, so the recorder can finish; reading ends when it closes.
        std::atomic<bool> isDiskBack = false;
        std::thread disk([reader, &isDiskBack] {
            char buffer[4096];
            while (true) {
                if (!isDiskBack.load()) {
                    std::this_thread::sleep_for(std::chrono::milliseconds(5));
                    continue;
                }
                const ssize_t bytes = ::read(reader, buffer, sizeof buffer);
                if (bytes == 0)
                    return;
                if (bytes < 0)
                    std::this_thread::sleep_for(std::chrono::milliseconds(5));
            }
        });
        const auto joinDisk = qScopeGuard([&] {
            isDiskBack = true;
            disk.join();
            ::close(reader);
        });

        test::LogCapture log("com.tolvaran.app.AudioRecording");
        AudioRecordingService recorder(folder.path(), AudioRecordingService::inputSampleRate);
        const auto diskBackBeforeRecorderGoes = qScopeGuard([&] { isDiskBack = true; });
        AudioCaptureService capture;
        AudioPipeline pipeline(capture, &recorder);
        QList<QByteArray> sent;
        connect(&pipeline, &AudioPipeline::chunkReady, [&](const QByteArray& chunk) { sent.append(chunk); });

        QVERIFY(recorder.startRecording(pipePath));
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(QCoro::waitFor(capture.startCapture()), std::nullopt);
        QProcess player;
        player.start("paplay", {"-d", test::speakerSink, speech});
        QVERIFY(player.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(!sent.isEmpty() && test::peakOf(sent.last()) > 1000, 5000);
        QTest::qWait(3000);
        QCOMPARE(log.linesStartingWith("The disk does not keep up").size(), 1);

        isDiskBack = true;
        QTest::qWait(500);
        capture.stopCapture();
        const qint64 elapsed = clock.elapsed();
        player.kill();
        player.waitForFinished();
        QTest::qWait(50);

        QVERIFY(sent.size() > 10);
        QCOMPARE(sent.first().size(), 44 + 640);
        for (qsizetype i = 1; i < sent.size(); ++i)
            QCOMPARE(sent[i].size(), 640);
        const qint64 expected = elapsed / 20;
        QVERIFY2(sent.size() >= expected - 9 && sent.size() <= expected + 1,
            qPrintable(QStringLiteral("%1 chunks in %2 ms").arg(sent.size()).arg(elapsed)));

        auto finished = std::make_shared<std::atomic<bool>>(false);
        auto duration = std::make_shared<std::atomic<double>>(0);
        recorder.stopRecording([finished, duration](std::optional<QUrl>, double seconds) {
            duration->store(seconds);
            finished->store(true);
        });
        QTRY_VERIFY_WITH_TIMEOUT(finished->load(), 10000);
        // What was dropped is missing from the recording.
        QVERIFY2(duration->load() > 1.0 && duration->load() < double(elapsed) / 1000 - 0.5,
            qPrintable(QString::number(duration->load())));
    }
};

QTEST_GUILESS_MAIN(TestAudioPipeline)
#include "tst_AudioPipeline.moc"
