#include "NamedPlayers.h"
#include "PrivateSoundServer.h"
#include "SoundServer.h"
#include "TestTranslationServer.h"
#include "ToneLevel.h"
#include "audio/AudioCaptureService.h"
#include "audio/CallMonitorService.h"
#include "live/LiveServices.h"
#include "live/TranslationViewModel.h"
#include "settings/AppSettings.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

using namespace tolvaran;
using test::NamedPlayers;

namespace {

// The PCM the server received from the frame given on (the header left out).
QByteArray received(const test::TestTranslationServer& server, qsizetype from, qsizetype count)
{
    const QList<QByteArray>& frames = server.connections().constLast().binaryFrames;
    return frames.mid(std::max<qsizetype>(from, 1), count).join();
}

// The recording streams of a server: a remapped source has one of its own.
qsizetype sourceOutputs(const test::PrivateSoundServer& server)
{
    QProcess pactl;
    pactl.setProcessEnvironment(server.environment());
    pactl.start(
        QStringLiteral("pactl"), {QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("source-outputs")});
    pactl.waitForFinished(10000);
    return pactl.readAllStandardOutput().count('\n');
}

} // namespace

// The program during a call in some application, as a user with automatic
// detection and "only the call" has it: a copy of a recorder named "zoom"
// records from the microphone and plays the far side's voice (440 Hz),
// while "music" plays 1 kHz.
class TestCallListening : public QObject
{
    Q_OBJECT

private slots:

    void listensToTheCallAlone_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<bool>("starts");
        QTest::newRow("any call application") << "any" << true;
        QTest::newRow("teams only") << "teams" << false;
    }

    void listensToTheCallAlone()
    {
        QFETCH(QString, which);
        QFETCH(bool, starts);
        test::PrivateSoundServer sound;
        QString problem = sound.start();
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        NamedPlayers players;
        problem = players.prepare({"zoom"});
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        test::TestTranslationServer translation;
        QTemporaryDir dir;
        AppSettings settings(dir.filePath("settings.json"));
        settings.setServerURL(translation.url());
        settings.setAutoRecordOnListen(false);
        settings.setRecordingsFolder(QUrl::fromLocalFile(dir.filePath("Recordings")));
        settings.setIsAutoDetectEnabled(true);
        settings.setCallApplications(which);
        settings.setCaptureScope(AppSettings::callAppCaptureScope);
        LiveServices services(settings, std::make_unique<AudioCaptureService>(sound.server()));
        services.callMonitor = std::make_unique<CallMonitorService>(CallMonitorService::systemProbes(sound.server()));
        CallMonitorService& monitor = *services.callMonitor;
        TranslationViewModel viewModel(services);
        QVERIFY(monitor.isMonitoring());

        const qsizetype serversOwn = sourceOutputs(sound);
        QVERIFY(players.play("music", NamedPlayers::musicTone, sound.environment()));
        QVERIFY(players.play("zoom", NamedPlayers::callTone, sound.environment()));
        QElapsedTimer callBegan;
        callBegan.start();
        QVERIFY(players.record("zoom", test::microphoneSource, sound.environment()));
        if (!starts) {
            QTRY_COMPARE(sourceOutputs(sound), serversOwn + 1);
            QCoro::waitFor(monitor.checkCallState());
            QVERIFY(!monitor.isCallActive());
            QCOMPARE(viewModel.state().kind(), ConnectionState::Kind::disconnected);
            QCOMPARE(translation.tcpConnectionCount(), 0);
            return;
        }
        QTRY_VERIFY_WITH_TIMEOUT(viewModel.isListening(), 2000);
        QVERIFY2(callBegan.elapsed() <= 2000, qPrintable(QStringLiteral("after %1 ms").arg(callBegan.elapsed())));
        QTRY_COMPARE(viewModel.captureStatus(), "Capturing: Zoom");

        // Two seconds of the call, past the first moments of its stream.
        const qsizetype from = translation.connections().constLast().binaryFrames.size() + 25;
        QTRY_VERIFY_WITH_TIMEOUT(translation.connections().constLast().binaryFrames.size() >= from + 100, 5000);
        const QByteArray call = received(translation, from, 100);
        const double callLevel = test::typicalLevel(call, NamedPlayers::callTone);
        const double musicLevel = test::toneLevel(call, NamedPlayers::musicTone);
        const QString levels = QStringLiteral("440 Hz at %1, 1 kHz at %2").arg(callLevel).arg(musicLevel);
        QVERIFY2(callLevel > NamedPlayers::level / 2, qPrintable(levels));
        QVERIFY2(musicLevel < callLevel / 100, qPrintable(levels));

        // The call ends: listening stops (the finish request goes out).
        players.quit("zoom");
        QElapsedTimer callEnded;
        callEnded.start();
        QTRY_VERIFY_WITH_TIMEOUT(!translation.connections().constLast().textFrames.isEmpty(), 4000);
        QVERIFY2(callEnded.elapsed() <= 4000, qPrintable(QStringLiteral("after %1 ms").arg(callEnded.elapsed())));
        QTRY_COMPARE(viewModel.state().kind(), ConnectionState::Kind::disconnected);
    }
};

QTEST_GUILESS_MAIN(TestCallListening)
#include "tst_CallListening.moc"
