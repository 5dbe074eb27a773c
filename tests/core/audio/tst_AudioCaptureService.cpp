#include "LogCapture.h"
#include "NamedPlayers.h"
#include "PrivateSoundServer.h"
#include "SoundServer.h"
#include "SpeechPlayer.h"
#include "ToneLevel.h"
#include "audio/AudioCaptureService.h"
#include "audio/AudioPlayer.h"
#include "audio/CallProbes.h"
#include "audio/MicDeviceModel.h"
#include "live/TranslationViewModel.h"
#include "protocol/StreamHeader.h"
#include "settings/AppSettings.h"

#include <QElapsedTimer>
#include <QMutex>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <csignal>
#include <vector>

using namespace tolvaran;
using test::makeTone;
using test::NamedPlayers;
using namespace std::chrono_literals;

namespace {

// Collects what the capture thread hands out.
struct Collector
{
    void attach(AudioCaptureService& service)
    {
        service.onAudioData = [this](const QByteArray& chunk) {
            QMutexLocker locker(&mutex);
            chunks.append(chunk);
        };
        service.onPCMDataForRecording = [this](const QByteArray& chunk) {
            QMutexLocker locker(&mutex);
            recorded.append(chunk);
        };
        service.onError = [this](const QString& text) {
            QMutexLocker locker(&mutex);
            errors.append(text);
        };
        service.onSoundServerAway = [this](bool isAway) {
            QMutexLocker locker(&mutex);
            away.append(isAway);
        };
    }

    QList<bool> awayNotices()
    {
        QMutexLocker locker(&mutex);
        return away;
    }

    // The loudest sample in the chunks from first on, the header left out.
    int peakSince(qsizetype first)
    {
        QMutexLocker locker(&mutex);
        return test::peakOf(chunks.mid(std::max<qsizetype>(first, 1)).join());
    }

    // The first chunk from first on that is loud, or -1.
    qsizetype firstLoudChunk(qsizetype first)
    {
        QMutexLocker locker(&mutex);
        for (qsizetype i = std::max<qsizetype>(first, 1); i < chunks.size(); ++i) {
            if (test::peakOf(chunks[i]) > 1000)
                return i;
        }
        return -1;
    }

    qsizetype chunkCount()
    {
        QMutexLocker locker(&mutex);
        return chunks.size();
    }

    QStringList errorTexts()
    {
        QMutexLocker locker(&mutex);
        return errors;
    }

    QList<QByteArray> takeChunks()
    {
        QMutexLocker locker(&mutex);
        recorded.clear();
        return std::exchange(chunks, {});
    }

    QMutex mutex;
    QList<QByteArray> chunks;
    QList<QByteArray> recorded;
    QStringList errors;
    QList<bool> away;
};

// The PCM of a capture's chunks, checking the framing on the way.
QByteArray streamedPCM(const QList<QByteArray>& chunks)
{
    QByteArray all;
    for (qsizetype i = 0; i < chunks.size(); ++i) {
        QByteArray chunk = chunks[i];
        if (i == 0) {
            if (!chunk.startsWith(StreamHeader::write()))
                return "no header on the first chunk";
            chunk.remove(0, 44);
        }
        if (chunk.size() != 640)
            return "a chunk that is not 20 ms";
        all += chunk;
    }
    return all;
}

bool suspend(bool suspended)
{
    QProcess pactl;
    pactl.start(QStringLiteral("pactl"),
        {QStringLiteral("suspend-sink"), test::speakerSink, suspended ? QStringLiteral("1") : QStringLiteral("0")});
    return pactl.waitForFinished(10000) && pactl.exitStatus() == QProcess::NormalExit && pactl.exitCode() == 0;
}

// The playback streams of a server, lowest index first.
QList<quint32> sinkInputs(const test::PrivateSoundServer& server)
{
    QProcess pactl;
    pactl.setProcessEnvironment(server.environment());
    pactl.start(
        QStringLiteral("pactl"), {QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("sink-inputs")});
    pactl.waitForFinished(10000);
    QList<quint32> indices;
    for (const QByteArray& line : pactl.readAllStandardOutput().split('\n')) {
        if (!line.isEmpty())
            indices.append(line.split('\t').first().toUInt());
    }
    std::sort(indices.begin(), indices.end());
    return indices;
}

// A private sound server, and the players ready to play on it; empty on
// success, else what went wrong.
QString startWithPlayers(test::PrivateSoundServer& server, NamedPlayers& players)
{
    const QString problem = server.start();
    return problem.isEmpty() ? players.prepare() : problem;
}

// The PCM of the chunks from first on (the header left out).
QByteArray pcmSince(Collector& collector, qsizetype first)
{
    QMutexLocker locker(&collector.mutex);
    return collector.chunks.mid(std::max<qsizetype>(first, 1)).join();
}

// The first chunk from first on where the tone is heard, or -1.
qsizetype firstChunkWithTone(Collector& collector, qsizetype first, int tone)
{
    QMutexLocker locker(&collector.mutex);
    for (qsizetype i = std::max<qsizetype>(first, 1); i < collector.chunks.size(); ++i) {
        if (test::toneLevel(collector.chunks[i], tone) > NamedPlayers::level / 4)
            return i;
    }
    return -1;
}

} // namespace

class TestAudioCaptureService : public QObject
{
    Q_OBJECT

private slots:

    void capturesWhatIsPlayed()
    {
        TOLVARAN_REQUIRE_SOUND_SERVER();
        QTemporaryDir dir;
        const QString speech = test::makeSpeech(dir.path(), "speakers", "The quick brown fox jumps over the lazy dog.");
        QVERIFY(!speech.isEmpty());

        AudioCaptureService service;
        QVERIFY(QCoro::waitFor(service.checkPermission()));
        Collector collector;
        collector.attach(service);
        QCOMPARE(QCoro::waitFor(service.startCapture()), std::nullopt);
        QVERIFY(service.isCapturing());
        QCOMPARE(QCoro::waitFor(service.startCapture()), std::nullopt);
        QVERIFY(test::playInto(test::speakerSink, speech));
        // The speech's end, behind the monitor's delay.
        const qsizetype afterPlay = collector.chunkCount();
        QTRY_VERIFY(collector.chunkCount() >= afterPlay + 10);
        service.stopCapture();
        QVERIFY(!service.isCapturing());

        const QList<QByteArray> chunks = collector.chunks;
        const QByteArray all = streamedPCM(chunks);
        QVERIFY2(chunks.size() > 50, qPrintable(QString::number(chunks.size())));
        QCOMPARE(all.size(), 640 * chunks.size());
        QVERIFY2(test::peakOf(all) > 2000, "the played speech must be in the stream");
        QCOMPARE(collector.recorded.size(), chunks.size());
        QCOMPARE(collector.recorded.join(), all);

        // Nothing arrives once stopped; a new start sends the header again.
        QVERIFY(!QTest::qWaitFor([&] { return collector.chunkCount() != chunks.size(); }, 100));
        collector.takeChunks();
        QCOMPARE(QCoro::waitFor(service.startCapture()), std::nullopt);
        QTRY_VERIFY(collector.chunkCount() >= 3);
        service.stopCapture();
        QVERIFY(!streamedPCM(collector.takeChunks()).startsWith("no header"));
        service.stopCapture();
    }

    // A suspended output delivers nothing at all: silence keeps the stream
    // going until it runs again (how much, the clock's own test shows).
    void suspendedSinkIsFilledWithSilence()
    {
        TOLVARAN_REQUIRE_SOUND_SERVER();
        AudioCaptureService service;
        Collector collector;
        collector.attach(service);
        QCOMPARE(QCoro::waitFor(service.startCapture()), std::nullopt);
        QTRY_VERIFY(collector.chunkCount() >= 25);
        QVERIFY(suspend(true));
        const qsizetype atSuspend = collector.chunkCount();
        QTRY_VERIFY_WITH_TIMEOUT(collector.chunkCount() >= atSuspend + 50, 5000);
        QVERIFY(suspend(false));
        const qsizetype atResume = collector.chunkCount();
        QTRY_VERIFY(collector.chunkCount() >= atResume + 25);
        service.stopCapture();

        const QByteArray all = streamedPCM(collector.chunks);
        QCOMPARE(all.size(), 640 * collector.chunks.size());
        QCOMPARE(test::peakOf(all), 0);
    }

    void cleanup()
    {
        if (QTest::currentTestFunction() == QByteArray("suspendedSinkIsFilledWithSilence"))
            suspend(false);
    }

    void microphoneIsMixedIn()
    {
        TOLVARAN_REQUIRE_SOUND_SERVER();
        QTemporaryDir dir;
        const QString speech = test::makeSpeech(dir.path(), "mic", "Hello from the microphone.");
        QVERIFY(!speech.isEmpty());

        AudioCaptureService service;
        Collector collector;
        collector.attach(service);
        service.setMicEnabled(true);
        service.setSelectedMicDeviceUID(test::microphoneSource);
        QCOMPARE(QCoro::waitFor(service.startCapture()), std::nullopt);
        QVERIFY(service.micEngine().isEngineRunning());
        QVERIFY(test::playInto(test::microphoneSink, speech));
        QTRY_VERIFY2(collector.peakSince(1) > 1000, "the microphone must be heard");
        QVERIFY(!streamedPCM(collector.takeChunks()).startsWith("no header"));

        service.setMicEnabled(false);
        service.stopMicEngine();
        QVERIFY(!service.micEngine().isEngineRunning());
        QVERIFY(test::playInto(test::microphoneSink, speech));
        const qsizetype afterSpeech = collector.chunkCount();
        QTRY_VERIFY(collector.chunkCount() >= afterSpeech + 15);
        service.stopCapture();
        QVERIFY(!service.micEngine().isEngineRunning());
        const QList<QByteArray> later = collector.takeChunks();
        QVERIFY(later.size() > 20);
        QCOMPARE(test::peakOf(later.join()), 0);
    }

    void microphoneList()
    {
        TOLVARAN_REQUIRE_SOUND_SERVER();
        AudioCaptureService service;
        QVERIFY(QCoro::waitFor(service.checkMicPermission()));
        QVERIFY(service.availableMicDevices().isEmpty());
        QCoro::waitFor(service.refreshMicDevices());
        const QList<MicDevice> devices = service.availableMicDevices();
        QVERIFY(devices.contains(MicDevice{test::microphoneSource, QStringLiteral("Test-Microphone")}));

        const auto sources = PulseEngine::shared()->sources().result();
        QVERIFY(sources);
        for (const auto& source : *sources) {
            if (source.isMonitor) {
                for (const auto& device : devices)
                    QVERIFY2(device.id != source.name, qPrintable(source.name));
            }
        }
    }

    // A headset plugged in while the program runs reaches the view model's
    // list by itself, once and by its name, without its output's monitor;
    // the chosen microphone stays chosen; unplugged, the headset goes.
    void pluggedMicrophoneReachesTheViewModel()
    {
        test::PrivateSoundServer server;
        const QString problem = server.start();
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QTemporaryDir dir;
        AppSettings settings(dir.filePath("settings.json"));
        TranslationViewModel viewModel(settings, std::make_unique<AudioCaptureService>(server.server()));
        // The first look, as the panel and the settings window take it.
        QCoro::waitFor(viewModel.checkMicPermission());
        const auto& model = static_cast<const MicDeviceModel&>(*viewModel.micDeviceModel());
        const QList<MicDevice> before = model.rows();
        QVERIFY(before.contains(MicDevice{test::microphoneSource, QStringLiteral("Test-Microphone")}));
        viewModel.setSelectedMicDeviceUID(test::microphoneSource);
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);

        QVERIFY(server.pactl({"load-module", "module-null-sink", "sink_name=headset_out"}));
        QVERIFY(
            server.pactl({"load-module", "module-null-source", "source_name=headset_mic", "description=USB-Headset"}));
        const QList<MicDevice> plugged = before + QList<MicDevice>{{"headset_mic", "USB-Headset"}};
        QTRY_COMPARE(model.rows(), plugged);
        QCOMPARE(inserted.size(), 1);
        QCOMPARE(viewModel.selectedMicDeviceUID(), test::microphoneSource);

        QVERIFY(server.pactl({"unload-module", "module-null-source"}));
        QTRY_COMPARE(model.rows(), before);
    }

    void absentServer()
    {
        AudioCaptureService service(QStringLiteral("unix:/nonexistent/native"));
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!QCoro::waitFor(service.checkPermission()));
        QVERIFY(clock.elapsed() < 1000);
        QVERIFY(!QCoro::waitFor(service.checkMicPermission()));
        QCoro::waitFor(service.refreshMicDevices());
        QVERIFY(service.availableMicDevices().isEmpty());

        service.setMicEnabled(true);
        const auto error = QCoro::waitFor(service.startCapture());
        QVERIFY(error);
        QCOMPARE(error->kind(), AudioCaptureError::Kind::captureFailure);
        QVERIFY2(error->errorDescription().startsWith("Audio capture failed: No sound server"),
            qPrintable(error->errorDescription()));
        QVERIFY(!service.isCapturing());
        service.stopCapture();
    }

    void lostServer()
    {
        test::PrivateSoundServer server;
        const QString problem = server.start();
        if (!problem.isEmpty())
            QSKIP(qPrintable("No private sound server: " + problem));

        AudioCaptureService service(server.server());
        Collector collector;
        collector.attach(service);

        // Without any sink there is nothing to capture.
        QVERIFY(server.pactl({"unload-module", "module-remap-source"}));
        QVERIFY(server.pactl({"unload-module", "module-null-sink"}));
        QVERIFY(!QCoro::waitFor(service.checkPermission()));
        const auto noSink = QCoro::waitFor(service.startCapture());
        QVERIFY(noSink);
        QCOMPARE(noSink->errorDescription(), "No sound output found for audio capture");

        QVERIFY(server.pactl({"load-module", "module-null-sink", "sink_name=lost_speakers"}));
        QVERIFY(server.pactl({"set-default-sink", "lost_speakers"}));
        QVERIFY(QCoro::waitFor(service.checkPermission()));

        // The captured sink disappears under the running stream.
        QCOMPARE(QCoro::waitFor(service.startCapture()), std::nullopt);
        QTRY_VERIFY(collector.chunkCount() >= 5);
        QVERIFY(server.pactl({"unload-module", "module-null-sink"}));
        QTRY_COMPARE_WITH_TIMEOUT(collector.errorTexts().size(), 1, 5000);
        QVERIFY2(collector.errorTexts().first().startsWith("Audio capture failed: "),
            qPrintable(collector.errorTexts().first()));
        QVERIFY(!service.isCapturing());

        // The server itself goes away and stays away: the stream goes on
        // with silence, and after a while that is told.
        QVERIFY(server.pactl({"load-module", "module-null-sink", "sink_name=lost_speakers"}));
        QVERIFY(server.pactl({"set-default-sink", "lost_speakers"}));
        service.setMicEnabled(true);
        service.setAwayNoticeDelay(std::chrono::milliseconds(500));
        collector.takeChunks();
        QCOMPARE(QCoro::waitFor(service.startCapture()), std::nullopt);
        QVERIFY(service.isCapturing());
        QTRY_VERIFY(collector.chunkCount() >= 5);
        server.stop();
        const qsizetype atLoss = collector.chunkCount();
        QTRY_COMPARE_WITH_TIMEOUT(collector.awayNotices(), QList<bool>{true}, 5000);
        QTRY_VERIFY(collector.chunkCount() >= atLoss + 25);
        QVERIFY(service.isCapturing());
        QCOMPARE(collector.errorTexts().size(), 1);

        service.stopCapture();
        const qsizetype delivered = collector.chunkCount();
        QVERIFY(!QTest::qWaitFor([&] { return collector.chunkCount() != delivered; }, 100));
        service.stopCapture();
        QVERIFY(!service.micEngine().isEngineRunning());
        QVERIFY(QCoro::waitFor(service.startCapture()));
        QVERIFY(!service.isCapturing());
    }

    // The sound server is killed mid-call and started again on the same
    // socket: the stream goes on in real time with silence meanwhile, what
    // plays after the return arrives within 3 s of stream time, the
    // microphone comes back, and the recorder gets every chunk.
    void restartedServerResumesCapture()
    {
        test::PrivateSoundServer server;
        const QString problem = server.start();
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QTemporaryDir dir;
        const QString tone = makeTone(dir.path(), "tone", 4);
        QVERIFY2(!tone.isEmpty(), "sox is needed (scripts/setup-deps)");
        const QString speech = test::makeSpeech(dir.path(), "mic", "Still here after the restart.");
        QVERIFY(!speech.isEmpty());

        AudioCaptureService service(server.server());
        Collector collector;
        collector.attach(service);
        service.setMicEnabled(true);
        service.setSelectedMicDeviceUID(test::microphoneSource);
        QCOMPARE(QCoro::waitFor(service.startCapture()), std::nullopt);
        QCOMPARE(service.micEngine().engineSourceName(), test::microphoneSource);
        QTRY_VERIFY(collector.chunkCount() >= 10);

        QVERIFY(server.kill());
        const qsizetype atLoss = collector.chunkCount();
        QTRY_VERIFY(service.micEngine().engineSourceName().isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(collector.chunkCount() >= atLoss + 50, 5000);
        QCOMPARE(collector.peakSince(atLoss), 0);
        QVERIFY(service.isCapturing());

        const QString again = server.start();
        QVERIFY2(again.isEmpty(), qPrintable(again));
        const qsizetype atReturn = collector.chunkCount();
        QProcess player;
        player.setProcessEnvironment(server.environment());
        player.start("paplay", {"-d", test::speakerSink, tone});
        QVERIFY(player.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(collector.firstLoudChunk(atReturn) >= 0, 10000);
        QVERIFY2(collector.firstLoudChunk(atReturn) - atReturn <= 150,
            qPrintable(QStringLiteral("the tone came %1 chunks after the return")
                           .arg(collector.firstLoudChunk(atReturn) - atReturn)));
        player.kill();
        player.waitForFinished();

        QTRY_COMPARE_WITH_TIMEOUT(service.micEngine().engineSourceName(), test::microphoneSource, 5000);
        // The monitor falls quiet once the tone is gone.
        QTRY_VERIFY(collector.peakSince(collector.chunkCount() - 10) == 0);
        const qsizetype atSpeech = collector.chunkCount();
        QVERIFY(test::playInto(test::microphoneSink, speech, server.environment()));
        QTRY_VERIFY2(collector.peakSince(atSpeech) > 1000, "the microphone must be heard again");
        service.stopCapture();

        const QByteArray all = streamedPCM(collector.chunks);
        QCOMPARE(all.size(), 640 * collector.chunks.size());
        QCOMPARE(collector.recorded.join(), all);
        QVERIFY(collector.errorTexts().isEmpty());
        // A short outage is not worth a word in the panel.
        QVERIFY(collector.awayNotices().isEmpty());
    }

    // Choices made while the sound server is away (another scope, the
    // microphone switched on) carry on in silence and take effect once it is
    // back; the notice that it is away ends with its return.
    void choicesWhileServerAwayTakeEffectOnReturn_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<bool>("hearsCall");

        QTest::newRow("all system audio to the music alone") << "system"
                                                             << "app:music" << false;
        QTest::newRow("the music alone to all system audio") << "app:music"
                                                             << "system" << true;
    }

    void choicesWhileServerAwayTakeEffectOnReturn()
    {
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(bool, hearsCall);
        test::PrivateSoundServer server;
        NamedPlayers players;
        const QString problem = startWithPlayers(server, players);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));

        AudioCaptureService service(server.server());
        service.setAwayNoticeDelay(300ms);
        service.setCaptureScope(before);
        Collector collector;
        collector.attach(service);
        QCOMPARE(QCoro::waitFor(service.startCapture()), std::nullopt);
        QTRY_VERIFY(collector.chunkCount() >= 10);

        QVERIFY(server.kill());
        QTRY_COMPARE_WITH_TIMEOUT(collector.awayNotices(), QList<bool>{true}, 5000);
        service.setCaptureScope(after);
        service.setSelectedMicDeviceUID(test::microphoneSource);
        service.setMicEnabled(true);
        service.startMicEngine();
        const qsizetype atChange = collector.chunkCount();
        QTRY_VERIFY_WITH_TIMEOUT(collector.chunkCount() >= atChange + 25, 5000);
        QVERIFY(service.isCapturing());
        QCOMPARE(collector.peakSince(atChange), 0);

        const QString again = server.start();
        QVERIFY2(again.isEmpty(), qPrintable(again));
        QTRY_COMPARE_WITH_TIMEOUT(collector.awayNotices(), (QList<bool>{true, false}), 5000);
        QVERIFY(players.play("teams", NamedPlayers::callTone, server.environment()));
        QVERIFY(players.play("music", NamedPlayers::musicTone, server.environment()));
        const qsizetype atReturn = collector.chunkCount();
        QTRY_VERIFY_WITH_TIMEOUT(firstChunkWithTone(collector, atReturn, NamedPlayers::musicTone) >= 0, 5000);
        const qsizetype from = collector.chunkCount();
        QTRY_VERIFY_WITH_TIMEOUT(collector.chunkCount() >= from + 50, 5000);
        QTRY_COMPARE_WITH_TIMEOUT(service.micEngine().engineSourceName(), test::microphoneSource, 5000);
        service.stopCapture();

        // Heard chunk by chunk: a new player's first moments may be late and
        // stood in for by silence, which breaks a tone's phase over the second.
        const QByteArray second = pcmSince(collector, from).left(50 * 640);
        const auto chunksWith = [&second](int tone) {
            int count = 0;
            for (int i = 0; i < 50; ++i)
                count += test::toneLevel(second.mid(i * 640, 640), tone) > NamedPlayers::level / 2;
            return count;
        };
        QVERIFY2(chunksWith(NamedPlayers::musicTone) >= 45, "the music must be heard");
        if (hearsCall)
            QVERIFY2(chunksWith(NamedPlayers::callTone) >= 45, "all system audio holds the call");
        else
            QVERIFY2(test::toneLevel(second, NamedPlayers::callTone) < NamedPlayers::level / 100,
                "the call must not be heard once only the music is chosen");
        QCOMPARE(streamedPCM(collector.chunks).size(), 640 * collector.chunks.size());
        QVERIFY(collector.errorTexts().isEmpty());
    }

    // The user switches to a headset mid-call: what the headset plays is
    // captured within half a second of stream time, and the stream to the
    // server goes on without a gap.
    void capturesOneApplication_data()
    {
        QTest::addColumn<QString>("scope");
        QTest::addColumn<bool>("hearsCall");
        QTest::addColumn<bool>("hearsMusic");
        QTest::addColumn<bool>("ownPlaysFirst");

        QTest::newRow("the call's application") << "callApp" << true << false << false;
        QTest::newRow("all system audio") << "system" << true << true << false;
        QTest::newRow("all system audio, this program playing before") << "system" << true << true << true;
        QTest::newRow("music alone") << "app:music" << false << true << false;
        QTest::newRow("this program by its name")
            << "app:" + QFileInfo(QCoreApplication::applicationFilePath()).fileName() << false << false << true;
    }

    // "teams" plays 440 Hz and "music" 1 kHz: what is chosen arrives at its
    // level, what is not lies at least 40 dB below. This program's own
    // playback (660 Hz), from before the start or from within, never does.
    void capturesOneApplication()
    {
        QFETCH(QString, scope);
        QFETCH(bool, hearsCall);
        QFETCH(bool, hearsMusic);
        QFETCH(bool, ownPlaysFirst);
        test::PrivateSoundServer server;
        NamedPlayers players;
        const QString problem = startWithPlayers(server, players);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QVERIFY(players.play("teams", NamedPlayers::callTone, server.environment()));
        QVERIFY(players.play("music", NamedPlayers::musicTone, server.environment()));
        QTRY_COMPARE(sinkInputs(server).size(), 2);
        QTemporaryDir dir;
        const QString ownTone = makeTone(dir.path(), "own", 30, NamedPlayers::secondCallTone, 0.4);
        QVERIFY(!ownTone.isEmpty());
        // The player takes the server from the environment, as the program's does.
        const std::optional<QByteArray> sharedServer
            = qEnvironmentVariableIsSet("PULSE_SERVER") ? std::optional(qgetenv("PULSE_SERVER")) : std::nullopt;
        const auto restore
            = qScopeGuard([&] { sharedServer ? qputenv("PULSE_SERVER", *sharedServer) : qunsetenv("PULSE_SERVER"); });
        qputenv("PULSE_SERVER", server.server().toUtf8());
        std::unique_ptr<AudioPlayer> own;
        const auto playOwn = [&] {
            own = AudioPlayer::load(ownTone);
            if (own)
                own->play();
            return own != nullptr;
        };
        if (ownPlaysFirst)
            QVERIFY(playOwn());

        AudioCaptureService service(server.server());
        service.setCaptureScope(scope);
        service.setCallApplications({"teams"});
        Collector collector;
        collector.attach(service);
        QCOMPARE(QCoro::waitFor(service.startCapture()), std::nullopt);
        const int heard = hearsCall ? NamedPlayers::callTone : NamedPlayers::musicTone;
        if (hearsCall || hearsMusic)
            QTRY_VERIFY_WITH_TIMEOUT(firstChunkWithTone(collector, 1, heard) >= 0, 5000);
        const qsizetype from = collector.chunkCount();
        if (!ownPlaysFirst)
            QVERIFY(playOwn());
        QTRY_VERIFY_WITH_TIMEOUT(own->currentTime() > 2, 8000);
        QTRY_VERIFY_WITH_TIMEOUT(collector.chunkCount() >= from + 100, 8000);
        // The monitor again once this program no longer plays.
        own.reset();
        if (scope == "system")
            QTRY_COMPARE(service.capturedSourceName(), test::speakerSink + ".monitor");
        service.stopCapture();

        const QByteArray captured = pcmSince(collector, from).left(100 * 640);
        const double call = hearsCall ? test::typicalLevel(captured, NamedPlayers::callTone)
                                      : test::toneLevel(captured, NamedPlayers::callTone);
        const double music = hearsMusic ? test::typicalLevel(captured, NamedPlayers::musicTone)
                                        : test::toneLevel(captured, NamedPlayers::musicTone);
        const QString levels = QStringLiteral("440 Hz at %1, 1 kHz at %2").arg(call).arg(music);
        const auto atLevel
            = [](double amplitude) { return std::abs(20 * std::log10(amplitude / NamedPlayers::level)) < 1; };
        QVERIFY2(hearsCall ? atLevel(call) : call < NamedPlayers::level / 100, qPrintable(levels));
        QVERIFY2(hearsMusic ? atLevel(music) : music < NamedPlayers::level / 100, qPrintable(levels));
        const double ownLevel = test::toneLevel(pcmSince(collector, 1), NamedPlayers::secondCallTone);
        QVERIFY2(ownLevel < NamedPlayers::level / 100, qPrintable(QString::number(ownLevel)));
        QVERIFY(collector.errorTexts().isEmpty());
    }

    // Listening for the call application while only music plays: silence in
    // real time, nothing of the music. Then the call's streams come, a second
    // one joins, one moves to another output and they end: each is followed,
    // and the stream goes on, silent, once the application is gone.
    void callApplicationStreamsJoinMoveAndLeave()
    {
        test::PrivateSoundServer server;
        const QString problem = server.start();
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QVERIFY(server.pactl({"load-module", "module-null-sink", "sink_name=headset"}));
        // A null sink renders in real time only while a stream asks for it.
        QProcess headsetListener;
        headsetListener.setProcessEnvironment(server.environment());
        headsetListener.setStandardOutputFile(QProcess::nullDevice());
        headsetListener.start("parec", {"--latency-msec=20", "-d", "headset.monitor"});
        QVERIFY(headsetListener.waitForStarted());
        NamedPlayers players;
        const QString missing = players.prepare();
        QVERIFY2(missing.isEmpty(), qPrintable(missing));
        QVERIFY(players.play("music", NamedPlayers::musicTone, server.environment()));
        QTRY_COMPARE(sinkInputs(server).size(), 1);

        AudioCaptureService service(server.server());
        service.setCaptureScope("callApp");
        service.setCallApplications({"teams"});
        Collector collector;
        collector.attach(service);
        // The application's name while it is heard, "-" while it is not.
        QStringList playing;
        QMutex playingLock;
        service.onApplicationPlaying = [&](const QString& playingName) {
            QMutexLocker locker(&playingLock);
            playing.append(playingName.isEmpty() ? QStringLiteral("-") : playingName);
        };
        const auto playingReports = [&] {
            QMutexLocker locker(&playingLock);
            return playing;
        };
        QCOMPARE(QCoro::waitFor(service.startCapture()), std::nullopt);
        QTRY_VERIFY_WITH_TIMEOUT(collector.chunkCount() >= 50, 5000);
        QCOMPARE(collector.peakSince(1), 0);
        QCOMPARE(playingReports(), QStringList{"-"});

        QVERIFY(players.play("teams", NamedPlayers::callTone, server.environment(), {}, "Microsoft Teams"));
        QTRY_VERIFY_WITH_TIMEOUT(firstChunkWithTone(collector, 1, NamedPlayers::callTone) >= 0, 5000);
        QCOMPARE(playingReports(), (QStringList{"-", "Microsoft Teams"}));

        // A second stream of the call joins within 0.5 s of appearing.
        QVERIFY(players.play("teams", NamedPlayers::secondCallTone, server.environment()));
        QTRY_COMPARE(sinkInputs(server).size(), 3);
        const qsizetype atSecond = collector.chunkCount();
        QTRY_VERIFY_WITH_TIMEOUT(firstChunkWithTone(collector, atSecond, NamedPlayers::secondCallTone) >= 0, 5000);
        const qsizetype joinedAfter = firstChunkWithTone(collector, atSecond, NamedPlayers::secondCallTone) - atSecond;
        QVERIFY2(joinedAfter <= 25, qPrintable(QStringLiteral("joined after %1 chunks").arg(joinedAfter)));

        // The first call stream moves to the headset and keeps arriving.
        const quint32 firstCallStream = sinkInputs(server).at(1);
        QVERIFY(server.pactl({"move-sink-input", QString::number(firstCallStream), "headset"}));
        const qsizetype atMove = collector.chunkCount() + 5;
        QTRY_VERIFY_WITH_TIMEOUT(collector.chunkCount() >= atMove + 50, 5000);
        QVERIFY2(firstChunkWithTone(collector, atMove, NamedPlayers::callTone) >= 0, "the moved stream is lost");
        const QByteArray afterMove = pcmSince(collector, atMove + 25);
        QVERIFY2(test::typicalLevel(afterMove, NamedPlayers::callTone) > NamedPlayers::level / 2,
            qPrintable(QString::number(test::typicalLevel(afterMove, NamedPlayers::callTone))));

        // The call application exits: silence, in real time.
        players.quit("teams");
        QTRY_COMPARE(sinkInputs(server).size(), 1);
        QTRY_COMPARE(playingReports().last(), "-");
        const qsizetype atExit = collector.chunkCount() + 10;
        QTRY_VERIFY_WITH_TIMEOUT(collector.chunkCount() >= atExit + 50, 5000);
        service.stopCapture();
        headsetListener.kill();
        headsetListener.waitForFinished();

        QCOMPARE(test::peakOf(pcmSince(collector, atExit)), 0);
        const QByteArray all = streamedPCM(collector.chunks);
        QCOMPARE(all.size(), 640 * collector.chunks.size());
        QVERIFY2(test::toneLevel(all, NamedPlayers::musicTone) < NamedPlayers::level / 100,
            qPrintable(QString::number(test::toneLevel(all, NamedPlayers::musicTone))));
        QVERIFY(collector.errorTexts().isEmpty());
    }

    // Chosen mid-call: from the change on only the chosen audio arrives, in
    // the same stream (one header, 20 ms chunks, real time).
    void scopeChangesWhileCapturing()
    {
        test::PrivateSoundServer server;
        NamedPlayers players;
        const QString problem = startWithPlayers(server, players);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QVERIFY(players.play("teams", NamedPlayers::callTone, server.environment()));
        QVERIFY(players.play("music", NamedPlayers::musicTone, server.environment()));
        QTRY_COMPARE(sinkInputs(server).size(), 2);

        AudioCaptureService service(server.server());
        service.setCallApplications({"teams"});
        Collector collector;
        collector.attach(service);
        QCOMPARE(QCoro::waitFor(service.startCapture()), std::nullopt);
        QTRY_VERIFY_WITH_TIMEOUT(firstChunkWithTone(collector, 1, NamedPlayers::musicTone) >= 0, 5000);

        // Each scope in turn: what it leaves out is gone from the first chunk
        // after the change (what the old session held went out during it),
        // and what it keeps arrives at its level once its stream is found.
        for (const auto& [scope, heard, leftOut] :
            {std::tuple{"app:music", NamedPlayers::musicTone, NamedPlayers::callTone},
                std::tuple{"callApp", NamedPlayers::callTone, NamedPlayers::musicTone},
                std::tuple{"system", NamedPlayers::musicTone, -1}}) {
            service.setCaptureScope(scope);
            const qsizetype atChange = collector.chunkCount();
            QTRY_VERIFY_WITH_TIMEOUT(firstChunkWithTone(collector, atChange, heard) >= 0, 5000);
            // Past the new stream's start, where the clock may stand in for it a moment.
            const qsizetype from = firstChunkWithTone(collector, atChange, heard) + 25;
            QTRY_VERIFY_WITH_TIMEOUT(collector.chunkCount() >= from + 50, 5000);
            const QByteArray after = pcmSince(collector, from).left(50 * 640);
            const QByteArray sinceChange = pcmSince(collector, atChange);
            const QString levels = QStringLiteral("%1: %2 Hz at %3, %4 Hz at %5")
                                       .arg(scope)
                                       .arg(heard)
                                       .arg(test::typicalLevel(after, heard))
                                       .arg(leftOut)
                                       .arg(leftOut > 0 ? test::toneLevel(sinceChange, leftOut) : 0);
            QVERIFY2(test::typicalLevel(after, heard) > NamedPlayers::level / 2, qPrintable(levels));
            if (leftOut > 0)
                QVERIFY2(test::toneLevel(sinceChange, leftOut) < NamedPlayers::level / 100, qPrintable(levels));
        }
        QVERIFY2(test::typicalLevel(pcmSince(collector, collector.chunkCount() - 50), NamedPlayers::callTone)
                > NamedPlayers::level / 2,
            "all system audio again");
        service.stopCapture();

        const QByteArray all = streamedPCM(collector.chunks);
        QCOMPARE(all.size(), 640 * collector.chunks.size());
        QVERIFY(collector.errorTexts().isEmpty());
    }

    // Only the call, while the call goes from one application to another
    // and ends: nothing before there is a call, then that application's
    // sound alone, in the same stream.
    void callApplicationChangesWhileCapturing()
    {
        test::PrivateSoundServer server;
        NamedPlayers players;
        const QString problem = startWithPlayers(server, players);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QVERIFY(players.play("teams", NamedPlayers::callTone, server.environment()));
        QVERIFY(players.play("music", NamedPlayers::musicTone, server.environment()));
        QTRY_COMPARE(sinkInputs(server).size(), 2);

        AudioCaptureService service(server.server());
        service.setCaptureScope("callApp");
        Collector collector;
        collector.attach(service);
        QCOMPARE(QCoro::waitFor(service.startCapture()), std::nullopt);
        QTRY_VERIFY_WITH_TIMEOUT(collector.chunkCount() >= 50, 5000);
        QCOMPARE(collector.peakSince(1), 0);

        for (const auto& [application, heard, leftOut] :
            {std::tuple{"music", NamedPlayers::musicTone, NamedPlayers::callTone},
                std::tuple{"teams", NamedPlayers::callTone, NamedPlayers::musicTone}}) {
            service.setCallApplications({application});
            const qsizetype atChange = collector.chunkCount();
            QTRY_VERIFY_WITH_TIMEOUT(firstChunkWithTone(collector, atChange, heard) >= 0, 5000);
            const qsizetype from = firstChunkWithTone(collector, atChange, heard) + 25;
            QTRY_VERIFY_WITH_TIMEOUT(collector.chunkCount() >= from + 50, 5000);
            const QString levels = QStringLiteral("%1: %2 Hz at %3, %4 Hz at %5")
                                       .arg(application)
                                       .arg(heard)
                                       .arg(test::typicalLevel(pcmSince(collector, from), heard))
                                       .arg(leftOut)
                                       .arg(test::toneLevel(pcmSince(collector, atChange), leftOut));
            QVERIFY2(
                test::typicalLevel(pcmSince(collector, from), heard) > NamedPlayers::level / 2, qPrintable(levels));
            QVERIFY2(test::toneLevel(pcmSince(collector, atChange), leftOut) < NamedPlayers::level / 100,
                qPrintable(levels));
        }

        // The call ended: silence again.
        service.setCallApplications({});
        const qsizetype atEnd = collector.chunkCount() + 5;
        QTRY_VERIFY_WITH_TIMEOUT(collector.chunkCount() >= atEnd + 50, 5000);
        QCOMPARE(test::peakOf(pcmSince(collector, atEnd)), 0);
        service.stopCapture();
        QCOMPARE(streamedPCM(collector.chunks).size(), 640 * collector.chunks.size());
        QVERIFY(collector.errorTexts().isEmpty());
    }

    // The programs playing, for the settings window's choice: one entry per
    // program, by the name it gives itself, following starts and exits and
    // a restart of the server; this program's own local server is left out.
    void playingApplicationsFollowTheServer()
    {
        test::PrivateSoundServer server;
        NamedPlayers players;
        const QString problem = startWithPlayers(server, players);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QVERIFY(players.play("teams", NamedPlayers::callTone, server.environment(), {}, "Microsoft Teams"));
        QVERIFY(players.play("teams", NamedPlayers::secondCallTone, server.environment(), {}, "Microsoft Teams"));
        QVERIFY(players.play("tolvaran-server", NamedPlayers::musicTone, server.environment()));
        QTRY_COMPARE(sinkInputs(server).size(), 3);

        AudioCaptureService service(server.server());
        QVERIFY(service.playingApplications().isEmpty());
        service.watchPlayingApplications();
        // Two streams of the call, already there: one entry.
        const PlayingApplication teams{"teams", "Microsoft Teams"};
        QTRY_COMPARE(service.playingApplications(), QList<PlayingApplication>{teams});

        // Started and ended while watched, within a bounded wait each.
        QVERIFY(players.play("music", NamedPlayers::musicTone, server.environment()));
        const PlayingApplication music{"music", "music"};
        QTRY_COMPARE_WITH_TIMEOUT(service.playingApplications(), (QList<PlayingApplication>{teams, music}), 2000);
        players.quit("music");
        QTRY_COMPARE_WITH_TIMEOUT(service.playingApplications(), QList<PlayingApplication>{teams}, 2000);

        // A second watcher; the list goes on until the last lets go.
        service.watchPlayingApplications();
        service.unwatchPlayingApplications();
        QCOMPARE(service.playingApplications(), QList<PlayingApplication>{teams});

        // The server restarts: its players are gone, and what plays after
        // the return is listed again.
        QVERIFY(server.kill());
        QTRY_VERIFY_WITH_TIMEOUT(service.playingApplications().isEmpty(), 5000);
        const QString again = server.start();
        QVERIFY2(again.isEmpty(), qPrintable(again));
        QVERIFY(players.play("music", NamedPlayers::musicTone, server.environment()));
        QTRY_COMPARE_WITH_TIMEOUT(service.playingApplications(), QList<PlayingApplication>{music}, 10000);

        QSignalSpy changes(&service, &AudioCapture::playingApplicationsChanged);
        service.unwatchPlayingApplications();
        QVERIFY(service.playingApplications().isEmpty());
        QCOMPARE(changes.size(), 1);
        QVERIFY(players.play("teams", NamedPlayers::callTone, server.environment()));
        QTRY_COMPARE(sinkInputs(server).size(), 2);
        QVERIFY(!changes.wait(int(AudioCaptureService::micChangesSettleDelay.count()) * 5));
    }

    void followsTheDefaultOutput()
    {
        test::PrivateSoundServer server;
        const QString problem = server.start();
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QVERIFY(server.pactl({"load-module", "module-null-sink", "sink_name=headset"}));
        // A real device renders in periods of milliseconds; a null sink does
        // once a stream on its monitor has asked for it for a while.
        QProcess headsetListener;
        headsetListener.setProcessEnvironment(server.environment());
        headsetListener.setStandardOutputFile(QProcess::nullDevice());
        headsetListener.start("parec", {"--latency-msec=20", "-d", "headset.monitor"});
        QVERIFY(headsetListener.waitForStarted());
        QTemporaryDir dir;
        const QString tone = makeTone(dir.path(), "tone", 5);
        const QString blip = makeTone(dir.path(), "blip", 0.3);
        QVERIFY2(!tone.isEmpty() && !blip.isEmpty(), "sox is needed (scripts/setup-deps)");

        AudioCaptureService service(server.server());
        Collector collector;
        collector.attach(service);
        QCOMPARE(QCoro::waitFor(service.startCapture()), std::nullopt);
        QCOMPARE(service.capturedSourceName(), test::speakerSink + ".monitor");
        // An idle null sink renders in blocks of seconds until a stream asks
        // for less: once a blip comes through, the monitor runs as a real one.
        QVERIFY(test::playInto(test::speakerSink, blip, server.environment()));
        QTRY_VERIFY_WITH_TIMEOUT(collector.peakSince(1) > 1000, 5000);

        QProcess player;
        player.setProcessEnvironment(server.environment());
        player.start("paplay", {"-d", "headset", tone});
        QVERIFY(player.waitForStarted());
        const qsizetype atPlay = collector.chunkCount();
        QTRY_VERIFY(collector.chunkCount() >= atPlay + 25);
        const qsizetype atSwitch = collector.chunkCount();
        // What the headset plays is not captured while it is not the default.
        QCOMPARE(collector.peakSince(atSwitch - 10), 0);

        QVERIFY(server.pactl({"set-default-sink", "headset"}));
        QTRY_COMPARE(service.capturedSourceName(), QStringLiteral("headset.monitor"));
        QTRY_VERIFY_WITH_TIMEOUT(collector.firstLoudChunk(atSwitch) >= 0, 5000);
        QVERIFY2(collector.firstLoudChunk(atSwitch) - atSwitch <= 25,
            qPrintable(QStringLiteral("the tone came %1 chunks after the switch")
                           .arg(collector.firstLoudChunk(atSwitch) - atSwitch)));
        const qsizetype atTone = collector.chunkCount();
        QTRY_VERIFY(collector.chunkCount() >= atTone + 25);
        service.stopCapture();
        player.kill();
        player.waitForFinished();
        headsetListener.kill();
        headsetListener.waitForFinished();

        const QByteArray all = streamedPCM(collector.chunks);
        QCOMPARE(all.size(), 640 * collector.chunks.size());
        QVERIFY(collector.errorTexts().isEmpty());
    }

    // The chosen microphone is unplugged mid-call: the engine says so and
    // goes on with the default input, and capture goes on.
    void removedMicrophoneFallsBackToTheDefaultInput()
    {
        test::PrivateSoundServer server;
        const QString problem = server.start();
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QVERIFY(server.pactl({"load-module", "module-null-source", "source_name=usb_mic"}));
        QTemporaryDir dir;
        const QString speech = test::makeSpeech(dir.path(), "mic", "Still here after the headset went away.");
        QVERIFY(!speech.isEmpty());

        test::LogCapture log("com.tolvaran.app.MicBuffer");
        AudioCaptureService service(server.server());
        Collector collector;
        collector.attach(service);
        service.setMicEnabled(true);
        service.setSelectedMicDeviceUID(QStringLiteral("usb_mic"));
        QCOMPARE(QCoro::waitFor(service.startCapture()), std::nullopt);
        QCOMPARE(service.micEngine().engineSourceName(), QStringLiteral("usb_mic"));

        QVERIFY(server.pactl({"unload-module", "module-null-source"}));
        QTRY_COMPARE(service.micEngine().engineSourceName(), test::microphoneSource);
        // Where the server moved the stream itself, it is asked about the
        // chosen source before the line is written.
        QTRY_COMPARE(log.linesStartingWith("Microphone usb_mic is gone").size(), 1);
        QVERIFY(service.isCapturing());

        collector.takeChunks();
        QVERIFY(test::playInto(test::microphoneSink, speech, server.environment()));
        const qsizetype afterSpeech = collector.chunkCount();
        QTRY_VERIFY(collector.chunkCount() >= afterSpeech + 15);
        service.stopCapture();
        QVERIFY2(test::peakOf(collector.takeChunks().join()) > 1000, "the default input must be mixed in");
        QVERIFY(collector.errorTexts().isEmpty());
    }

    // The last output goes away and the server moves the capture onto an
    // input, here a microphone playing a tone: nothing of it is sent, silence
    // keeps time, and the first output that appears is captured.
    void lastOutputGoneSendsSilenceNotTheMicrophone()
    {
        test::PrivateSoundServer server;
        const QString problem = server.start();
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QVERIFY(server.pactl({"load-module", "module-sine-source", "source_name=desk_mic"}));
        QVERIFY(server.pactl({"set-default-source", "desk_mic"}));
        // A real microphone delivers every few milliseconds; this one does
        // once a stream has asked for it.
        QProcess micListener;
        micListener.setProcessEnvironment(server.environment());
        micListener.setStandardOutputFile(QProcess::nullDevice());
        micListener.start("parec", {"--latency-msec=20", "-d", "desk_mic"});
        QVERIFY(micListener.waitForStarted());
        QTemporaryDir dir;
        const QString tone = makeTone(dir.path(), "tone", 5);
        QVERIFY2(!tone.isEmpty(), "sox is needed (scripts/setup-deps)");

        test::LogCapture log("com.tolvaran.app.AudioCapture");
        AudioCaptureService service(server.server());
        Collector collector;
        collector.attach(service);
        QCOMPARE(QCoro::waitFor(service.startCapture()), std::nullopt);

        QVERIFY(server.pactl({"unload-module", "module-remap-source"}));
        QVERIFY(server.pactl({"unload-module", "module-null-sink"}));
        QTRY_COMPARE(service.capturedSourceName(), QStringLiteral("desk_mic"));
        const qsizetype atLoss = collector.chunkCount();
        QTRY_VERIFY2_WITH_TIMEOUT(collector.chunkCount() - atLoss >= 50, "silence must keep the stream going", 5000);
        QCOMPARE(collector.peakSince(atLoss), 0);
        // Once per loss; under load the server may pass through the other output first.
        QVERIFY(!log.linesStartingWith("No output left to capture").isEmpty());

        QVERIFY(server.pactl({"load-module", "module-null-sink", "sink_name=new_speakers"}));
        QTRY_COMPARE(service.capturedSourceName(), QStringLiteral("new_speakers.monitor"));
        const qsizetype atNewOutput = collector.chunkCount();
        QProcess listener;
        listener.setProcessEnvironment(server.environment());
        listener.setStandardOutputFile(QProcess::nullDevice());
        listener.start("parec", {"--latency-msec=20", "-d", "new_speakers.monitor"});
        QVERIFY(listener.waitForStarted());
        QProcess player;
        player.setProcessEnvironment(server.environment());
        player.start("paplay", {"-d", "new_speakers", tone});
        QVERIFY(player.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(collector.peakSince(atNewOutput) > 1000, 5000);
        service.stopCapture();
        player.kill();
        player.waitForFinished();
        listener.kill();
        listener.waitForFinished();
        micListener.kill();
        micListener.waitForFinished();

        QVERIFY(collector.errorTexts().isEmpty());
    }

    // The chosen microphone goes and the server moves its stream onto an
    // output's monitor: that output is not mixed in (the server would hear it
    // twice) until a microphone is there again.
    void microphoneMovedOntoAMonitorFallsSilent()
    {
        test::PrivateSoundServer server;
        const QString problem = server.start();
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QVERIFY(server.pactl({"unload-module", "module-remap-source"}));
        QVERIFY(server.pactl({"load-module", "module-sine-source", "source_name=usb_mic"}));
        QVERIFY(server.pactl({"set-default-source", test::microphoneSink + ".monitor"}));
        QTemporaryDir dir;
        const QString speech = test::makeSpeech(dir.path(), "echo", "This would be heard twice by the server.");
        QVERIFY(!speech.isEmpty());

        test::LogCapture log("com.tolvaran.app.MicBuffer");
        AudioCaptureService service(server.server());
        Collector collector;
        collector.attach(service);
        service.setMicEnabled(true);
        service.setSelectedMicDeviceUID(QStringLiteral("usb_mic"));
        QCOMPARE(QCoro::waitFor(service.startCapture()), std::nullopt);
        QCOMPARE(service.micEngine().engineSourceName(), QStringLiteral("usb_mic"));
        QTRY_VERIFY_WITH_TIMEOUT(collector.peakSince(0) > 1000, 5000);

        QVERIFY(server.pactl({"unload-module", "module-sine-source"}));
        QTRY_COMPARE(service.micEngine().engineSourceName(), test::microphoneSink + ".monitor");
        // What the microphone gave before it went is mixed in first.
        QTRY_COMPARE_WITH_TIMEOUT(service.micEngine().buffer().bufferedBytes(), 0, 5000);
        const qsizetype atMove = collector.chunkCount();
        QVERIFY(test::playInto(test::microphoneSink, speech, server.environment()));
        const qsizetype afterSpeech = collector.chunkCount();
        QTRY_VERIFY(collector.chunkCount() >= afterSpeech + 15);
        QCOMPARE(collector.peakSince(atMove), 0);
        QCOMPARE(log.linesStartingWith("No microphone left").size(), 1);

        QVERIFY(server.pactl({"load-module", "module-sine-source", "source_name=usb_mic"}));
        QTRY_COMPARE(service.micEngine().engineSourceName(), QStringLiteral("usb_mic"));
        const qsizetype atReturn = collector.chunkCount();
        QTRY_VERIFY_WITH_TIMEOUT(collector.peakSince(atReturn) > 1000, 5000);
        QVERIFY(service.isCapturing());
        QVERIFY(collector.errorTexts().isEmpty());
    }

    // A sound server that stops answering (stopped by a signal) holds no
    // main-thread work: every operation gives up on its own while a 10 ms
    // timer keeps ticking, and a running capture goes on with silence.
    void frozenServerNeverHoldsTheMainThread()
    {
        test::PrivateSoundServer server;
        const QString problem = server.start();
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        AudioCaptureService running(server.server());
        Collector collector;
        collector.attach(running);
        running.setMicEnabled(true);
        QCOMPARE(QCoro::waitFor(running.startCapture()), std::nullopt);
        AudioCaptureService other(server.server());
        DefaultInputProbe probe(server.server());

        QElapsedTimer sinceTick;
        qint64 worstGap = 0;
        QTimer ticker;
        ticker.setInterval(10);
        QObject::connect(&ticker, &QTimer::timeout, [&] { worstGap = std::max(worstGap, sinceTick.restart()); });
        const pid_t daemon = pid_t(server.processId());
        QVERIFY(daemon > 0);
        QCOMPARE(::kill(daemon, SIGSTOP), 0);
        sinceTick.start();
        ticker.start();

        int finished = 0;
        std::optional<bool> permission;
        std::optional<bool> micPermission;
        std::optional<bool> inputInUse;
        std::optional<std::optional<AudioCaptureError>> started;
        // A named closure: the coroutine reads its captures after this line.
        const auto permissionTaskBody = [&]() -> QCoro::Task<> {
            permission = co_await other.checkPermission();
            ++finished;
        };
        auto permissionTask = permissionTaskBody();
        const auto micTaskBody = [&]() -> QCoro::Task<> {
            micPermission = co_await other.checkMicPermission();
            co_await other.refreshMicDevices();
            ++finished;
        };
        auto micTask = micTaskBody();
        const auto probeTaskBody = [&]() -> QCoro::Task<> {
            inputInUse = co_await probe.isDefaultInputInUse();
            ++finished;
        };
        auto probeTask = probeTaskBody();
        const auto startTaskBody = [&]() -> QCoro::Task<> {
            started = co_await other.startCapture();
            ++finished;
        };
        auto startTask = startTaskBody();
        const qsizetype beforeFreeze = collector.chunkCount();
        QTRY_COMPARE_WITH_TIMEOUT(finished, 4, 15000);
        // The operations wait two seconds at least before they give up.
        const qsizetype duringFreeze = collector.chunkCount() - beforeFreeze;
        running.setMicEnabled(false);
        running.stopMicEngine();
        running.stopCapture();
        ticker.stop();
        QCOMPARE(::kill(daemon, SIGCONT), 0);

        QVERIFY2(worstGap <= 110, qPrintable(QStringLiteral("a 10 ms tick came after %1 ms").arg(worstGap)));
        QCOMPARE(permission, false);
        QCOMPARE(micPermission, false);
        QCOMPARE(inputInUse, false);
        QVERIFY(other.availableMicDevices().isEmpty());
        QVERIFY(started && *started);
        QVERIFY2(duringFreeze >= 50, qPrintable(QStringLiteral("%1 chunks while frozen").arg(duringFreeze)));
    }
};

QTEST_GUILESS_MAIN(TestAudioCaptureService)
#include "tst_AudioCaptureService.moc"
