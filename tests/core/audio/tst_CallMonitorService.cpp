#include "LogCapture.h"
#include "NamedPlayers.h"
#include "PrivateSoundServer.h"
#include "SoundServer.h"
#include "audio/CallMonitorService.h"
#include "audio/CallProbes.h"
#include "audio/MicEngine.h"
#include "audio/PulseEngine.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace tolvaran;

namespace {

const char* const category = "com.tolvaran.app.CallMonitor";
using Steps = QList<QPair<bool, bool>>;

struct FakeWorld
{
    bool teams = false;
    bool mic = false;
    int teamsAsked = 0;
    int micAsked = 0;
    // "binary|application name" of each program recording from a microphone.
    QStringList recorders;
    std::function<void()> changed;
    int recordersAsked = 0;
    QElapsedTimer clock;
    qint64 lastAskedAt = -1;

    FakeWorld() { clock.start(); }

    FakeWorld(bool isTeamsRunning, bool isMicInUse)
        : FakeWorld()
    {
        teams = isTeamsRunning;
        mic = isMicInUse;
    }

    // Tells of a change, as the sound server does, and waits for the check.
    bool change(const QStringList& now)
    {
        recorders = now;
        const int before = recordersAsked;
        changed();
        return QTest::qWaitFor([&] { return recordersAsked > before; }, 1000);
    }

    CallMonitorService::Probes probes()
    {
        return {[this] {
                    ++teamsAsked;
                    return teams;
                },
            [this]() -> QCoro::Task<bool> {
                ++micAsked;
                co_return mic;
            },
            [this]() -> QCoro::Task<std::optional<QList<MicrophoneRecorder>>> {
                ++recordersAsked;
                lastAskedAt = clock.elapsed();
                QList<MicrophoneRecorder> list;
                for (const QString& recorder : std::as_const(recorders))
                    list.append({recorder.section('|', 0, 0), recorder.section('|', 1)});
                co_return list;
            },
            [this](std::function<void()> handler) { changed = std::move(handler); }};
    }
};

QString stateLine(bool active, bool teams, bool mic)
{
    const auto text = [](bool value) { return value ? QStringLiteral("true") : QStringLiteral("false"); };
    return QStringLiteral("Call state changed: active=%1 (teams=%2, mic=%3)").arg(text(active), text(teams), text(mic));
}

// A process with the given executable name that does nothing harmful.
class FakeProcess
{
public:
    explicit FakeProcess(const QString& name)
    {
        const QString path = m_dir.filePath(name);
        if (QFile::copy(QStringLiteral("/bin/sleep"), path)) {
            QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner);
            m_process.start(path, {QStringLiteral("60")});
            m_process.waitForStarted();
        }
    }

    ~FakeProcess() { stop(); }

    bool isRunning() const { return m_process.state() == QProcess::Running; }

    void stop()
    {
        m_process.kill();
        m_process.waitForFinished();
    }

private:
    QTemporaryDir m_dir;
    QProcess m_process;
};

} // namespace

class TestCallMonitorService : public QObject
{
    Q_OBJECT

private slots:

    void decisions_data()
    {
        // Each step sets teams and mic and runs one check (the first one is
        // the check that starting runs).
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<QList<bool>>("callbacks");
        QTest::addColumn<QStringList>("stateLines");

        QTest::newRow("call, then same result") << Steps{{true, true}, {true, true}, {true, true}} << QList<bool>{true}
                                                << QStringList{stateLine(true, true, true)};
        QTest::newRow("teams with idle microphone")
            << Steps{{true, false}, {true, false}} << QList<bool>{} << QStringList{};
        QTest::newRow("microphone without teams")
            << Steps{{false, true}, {false, true}} << QList<bool>{} << QStringList{};
        QTest::newRow("nothing") << Steps{{false, false}} << QList<bool>{} << QStringList{};
        QTest::newRow("call ends when the microphone closes")
            << Steps{{true, true}, {true, false}, {false, false}} << QList<bool>{true, false}
            << QStringList{stateLine(true, true, true), stateLine(false, true, false)};
        QTest::newRow("call ends when teams quits")
            << Steps{{false, true}, {true, true}, {false, true}} << QList<bool>{true, false}
            << QStringList{stateLine(true, true, true), stateLine(false, false, true)};
    }

    void decisions()
    {
        QFETCH(Steps, steps);
        QFETCH(QList<bool>, callbacks);
        QFETCH(QStringList, stateLines);

        FakeWorld world;
        CallMonitorService monitor(world.probes());
        monitor.setCallApplications("teams");
        QList<bool> reported;
        QObject::connect(&monitor, &CallMonitorService::callStateChanged, [&](bool active) {
            reported.append(active);
            QCOMPARE(monitor.isCallActive(), active);
        });
        QSignalSpy changes(&monitor, &CallMonitorService::isCallActiveChanged);
        test::LogCapture log(category);

        for (qsizetype i = 0; i < steps.size(); ++i) {
            world.teams = steps[i].first;
            world.mic = steps[i].second;
            if (i == 0)
                monitor.startMonitoring();
            else
                monitor.checkCallState();
        }
        QCOMPARE(reported, callbacks);
        QCOMPARE(changes.size(), callbacks.size());
        QCOMPARE(log.lines().filter("Call state changed").join('\n'), stateLines.join('\n'));
        QCOMPARE(world.teamsAsked, steps.size());
        QCOMPARE(world.micAsked, steps.size());
        QCOMPARE(monitor.isCallActive(), callbacks.value(callbacks.size() - 1, false));
    }

    void stopDuringCallReportsTheEnd()
    {
        FakeWorld world(true, true);
        CallMonitorService monitor(world.probes());
        monitor.setCallApplications("teams");
        QList<bool> reported;
        QObject::connect(
            &monitor, &CallMonitorService::callStateChanged, [&](bool active) { reported.append(active); });
        monitor.startMonitoring();
        QVERIFY(monitor.isCallActive());

        test::LogCapture log(category);
        monitor.stopMonitoring();
        QCOMPARE(reported, (QList<bool>{true, false}));
        QVERIFY(!monitor.isCallActive());
        QVERIFY(!monitor.isMonitoring());
        QCOMPARE(log.lines(), QStringList{"Call monitoring stopped"});

        // Not monitoring any more: only the log line.
        monitor.stopMonitoring();
        QCOMPARE(reported.size(), 2);
        QCOMPARE(log.lines(), (QStringList{"Call monitoring stopped", "Call monitoring stopped"}));
    }

    void startTwiceKeepsOneTimer()
    {
        FakeWorld world;
        CallMonitorService monitor(world.probes());
        monitor.setCallApplications("teams");
        QSignalSpy monitoring(&monitor, &CallMonitorService::isMonitoringChanged);
        test::LogCapture log(category);
        monitor.startMonitoring();
        monitor.startMonitoring();
        QCOMPARE(log.count("Call monitoring started"), 1);
        QCOMPARE(monitoring.size(), 1);
        QCOMPARE(world.teamsAsked, 1);
        const auto timers = monitor.findChildren<QTimer*>();
        QCOMPARE(timers.size(), 1);
        QVERIFY(timers.first()->isActive());
        QCOMPARE(timers.first()->interval(), 2000);

        // The timer keeps checking; a call that starts is noticed.
        world.teams = world.mic = true;
        QTRY_VERIFY_WITH_TIMEOUT(monitor.isCallActive(), 5000);
        QCOMPARE(world.teamsAsked, 2);

        monitor.stopMonitoring();
        QTRY_VERIFY(monitor.findChildren<QTimer*>().isEmpty());
        QTest::qWait(10);
        QCOMPARE(world.teamsAsked, 2);
    }

    void processNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("counts");
        QTest::newRow("teams-for-linux") << "teams-for-linux" << true;
        QTest::newRow("ms-teams") << "ms-teams" << true;
        QTest::newRow("other letter case") << "Teams-for-linux" << false;
        QTest::newRow("longer name with the same first 15 letters") << "teams-for-linux-helper" << false;
    }

    void processNames()
    {
        const QSet<QString> names = CallMonitorService::teamsProcessNames;
        QFETCH(QString, name);
        QFETCH(bool, counts);
        FakeProcess fake(name);
        QVERIFY(fake.isRunning());
        QCOMPARE(isProcessRunning(names), counts);
        fake.stop();
        QVERIFY(!isProcessRunning(names));
    }

    void processProbeReadsTheProcessTable()
    {
        QTemporaryDir proc;
        QVERIFY(QDir(proc.path()).mkpath("1"));
        QVERIFY(QDir(proc.path()).mkpath("self"));
        QVERIFY(QDir(proc.path()).mkpath("42"));
        QVERIFY(QFile::link("/opt/teams/teams (deleted)", proc.filePath("self/exe")));
        QVERIFY(QFile::link("/usr/bin/bash", proc.filePath("1/exe")));
        const QSet<QString> names{"teams"};
        QVERIFY(!isProcessRunning(names, proc.path()));

        // Unreadable link: the first word of the command line counts.
        QFile commandLine(proc.filePath("42/cmdline"));
        QVERIFY(commandLine.open(QIODevice::WriteOnly));
        commandLine.write(QByteArray("/usr/share/teams/teams\0--type=renderer\0", 39));
        commandLine.close();
        QVERIFY(isProcessRunning(names, proc.path()));

        QVERIFY(QFile::link("/opt/teams/teams (deleted)", proc.filePath("1/exe.tmp")));
        QVERIFY(QFile::remove(proc.filePath("1/exe")));
        QVERIFY(QFile::rename(proc.filePath("1/exe.tmp"), proc.filePath("1/exe")));
        QVERIFY(QFile::remove(proc.filePath("42/cmdline")));
        QVERIFY(isProcessRunning(names, proc.path()));
    }

    // Which programs recording from a microphone hold a call, and in which
    // application it is said to be.
    void callApplications_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<QStringList>("recorders");
        QTest::addColumn<QString>("application");
        QTest::addColumn<QString>("name");

        const QStringList none;
        QTest::newRow("zoom") << "any" << none << QStringList{"zoom|ZOOM VoiceEngine"} << "zoom"
                              << "Zoom";
        QTest::newRow("a browser") << "any" << none << QStringList{"firefox-esr|Firefox"} << "firefox-esr"
                                   << "Firefox";
        QTest::newRow("unofficial teams") << "any" << none << QStringList{"teams-for-linux|"} << "teams-for-linux"
                                          << "Teams";
        QTest::newRow("chrome of flatpak") << "any" << none << QStringList{"chrome|Chromium input"} << "chrome"
                                           << "Chrome";
        QTest::newRow("a recorder that is no call")
            << "any" << none << QStringList{"music|Music"} << QString() << QString();
        QTest::newRow("the call beside a recorder")
            << "any" << none << QStringList{"music|Music", "Discord|WEBRTC VoiceEngine"} << "Discord"
            << "Discord";
        QTest::newRow("other letter case") << "any" << none << QStringList{"Zoom|Zoom"} << QString() << QString();
        QTest::newRow("a stream without executable") << "any" << none << QStringList{"|zoom"} << QString() << QString();
        QTest::newRow("a name the user added")
            << "any" << QStringList{" jami ", ""} << QStringList{"jami|Jami"} << "jami"
            << "Jami";
        QTest::newRow("added name without its own")
            << "any" << QStringList{"linphone"} << QStringList{"linphone|"} << "linphone"
            << "linphone";
        QTest::newRow("teams only: zoom is no call")
            << "teams" << none << QStringList{"zoom|Zoom"} << QString() << QString();
    }

    void callApplications()
    {
        QFETCH(QString, which);
        QFETCH(QStringList, extra);
        QFETCH(QStringList, recorders);
        QFETCH(QString, application);
        QFETCH(QString, name);
        FakeWorld world;
        world.recorders = recorders;
        CallMonitorService monitor(world.probes());
        monitor.setCallApplications(which);
        monitor.setExtraCallApplications(extra);
        QSignalSpy reported(&monitor, &CallMonitorService::callStateChanged);
        test::LogCapture log(category);
        monitor.startMonitoring();
        QCOMPARE(monitor.isCallActive(), !name.isEmpty());
        QCOMPARE(monitor.callApplication(), application);
        QCOMPARE(monitor.callApplicationName(), name);
        QCOMPARE(reported.size(), name.isEmpty() ? 0 : 1);
        if (which == "any" && !name.isEmpty())
            QCOMPARE(log.lines().filter("Call state changed"),
                QStringList{QStringLiteral("Call state changed: active=true (application=%1)").arg(application)});
    }

    // The sound server tells of each stream: a call is seen without waiting
    // for the 2 s poll, stays through a stream reopened within the end
    // delay, keeps its application while that records, and ends once no
    // stream of it has been seen for the end delay.
    void callsFollowTheStreams()
    {
        FakeWorld world;
        CallMonitorService monitor(world.probes());
        QList<bool> reported;
        QObject::connect(
            &monitor, &CallMonitorService::callStateChanged, [&](bool active) { reported.append(active); });
        monitor.startMonitoring();
        QVERIFY(world.changed);
        QVERIFY(!monitor.isCallActive());

        QElapsedTimer opened;
        opened.start();
        QVERIFY(world.change({"zoom|"}));
        QVERIFY(monitor.isCallActive());
        QVERIFY2(opened.elapsed() < 1000, qPrintable(QStringLiteral("seen after %1 ms").arg(opened.elapsed())));
        QCOMPARE(monitor.callApplicationName(), "Zoom");

        // A second call application starts recording: the call stays Zoom's.
        QVERIFY(world.change({"slack|", "zoom|"}));
        QCOMPARE(monitor.callApplication(), "zoom");

        // Zoom reopens its stream: no end, also once the delay of the first
        // closing is over.
        QVERIFY(world.change({}));
        QVERIFY(monitor.isCallActive());
        const qint64 deadline = world.clock.elapsed() + CallMonitorService::endDelay.count();
        QVERIFY(world.change({"zoom|"}));
        QTRY_VERIFY_WITH_TIMEOUT(world.lastAskedAt > deadline, 5000);
        QVERIFY(monitor.isCallActive());

        QElapsedTimer gone;
        gone.start();
        QVERIFY(world.change({}));
        QTRY_VERIFY_WITH_TIMEOUT(!monitor.isCallActive(), 4000);
        QVERIFY2(gone.elapsed() >= CallMonitorService::endDelay.count() - 100,
            qPrintable(QStringLiteral("ended after %1 ms").arg(gone.elapsed())));
        QCOMPARE(monitor.callApplicationName(), QString());
        QCOMPARE(reported, (QList<bool>{true, false}));

        monitor.stopMonitoring();
        QVERIFY(!world.changed);
    }

    // Followed for a capture of only the call while monitoring is off: the
    // application is told, but nothing starts by itself.
    void followingWithoutMonitoring()
    {
        FakeWorld world;
        world.recorders = {"signal-desktop|Signal"};
        CallMonitorService monitor(world.probes());
        QSignalSpy reported(&monitor, &CallMonitorService::callStateChanged);
        QSignalSpy application(&monitor, &CallMonitorService::callApplicationChanged);
        monitor.followCallApplication();
        QCOMPARE(monitor.callApplicationName(), "Signal");
        QVERIFY(!monitor.isCallActive());
        QVERIFY(!monitor.isMonitoring());

        // Monitoring starts during the call: it is reported at once.
        monitor.startMonitoring();
        QVERIFY(monitor.isCallActive());
        QCOMPARE(reported.size(), 1);
        monitor.stopMonitoring();
        QCOMPARE(reported.size(), 2);
        QCOMPARE(monitor.callApplicationName(), "Signal");

        monitor.unfollowCallApplication();
        QCOMPARE(monitor.callApplicationName(), QString());
        QCOMPARE(application.size(), 2);
        QVERIFY(!world.changed);
    }

    void realProbesSeeACall()
    {
        TOLVARAN_REQUIRE_SOUND_SERVER();
        CallMonitorService monitor;
        monitor.setCallApplications("teams");
        QList<bool> reported;
        QObject::connect(
            &monitor, &CallMonitorService::callStateChanged, [&](bool active) { reported.append(active); });
        monitor.startMonitoring();
        QVERIFY(!monitor.isCallActive());

        const auto check = [&monitor] {
            QCoro::waitFor(monitor.checkCallState());
            return monitor.isCallActive();
        };
        auto teams = std::make_unique<FakeProcess>("teams-for-linux");
        QVERIFY(teams->isRunning());
        QVERIFY(!check());

        // This program's own microphone stream is no call.
        MicEngine ownMicrophone;
        ownMicrophone.setEnabled(true);
        QVERIFY(QCoro::waitFor(ownMicrophone.startEngine()));
        QVERIFY(ownMicrophone.isEngineRunning());
        const auto isMicrophoneRunning = [] {
            const auto source = PulseEngine::shared()->source(test::microphoneSource).result();
            return source && source->isRunning;
        };
        QTRY_VERIFY_WITH_TIMEOUT(isMicrophoneRunning(), 5000);
        QVERIFY(!check());
        ownMicrophone.stopEngine();

        const auto openMicrophone = [](QProcess& recorder) {
            recorder.setStandardOutputFile(QProcess::nullDevice());
            recorder.start("parec", {"-d", test::microphoneSource});
            return recorder.waitForStarted();
        };
        auto microphone = std::make_unique<QProcess>();
        QVERIFY(openMicrophone(*microphone));
        QTRY_VERIFY_WITH_TIMEOUT(check(), 10000);

        microphone->kill();
        microphone->waitForFinished();
        QTRY_VERIFY_WITH_TIMEOUT(!check(), 10000);

        microphone = std::make_unique<QProcess>();
        QVERIFY(openMicrophone(*microphone));
        QTRY_VERIFY_WITH_TIMEOUT(check(), 10000);
        teams->stop();
        QVERIFY(!check());
        QCOMPARE(reported, (QList<bool>{true, false, true, false}));
        microphone->kill();
        microphone->waitForFinished();
        monitor.stopMonitoring();
    }

    // Against a sound server of its own, with copies of a recorder under the
    // names of call applications and of a music player: which stream makes
    // a call, how soon it is seen, and that it ends once the stream is gone.
    void soundServerTellsTheCall_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QString>("recorder");
        QTest::addColumn<bool>("onMicrophone");
        QTest::addColumn<QString>("name");
        // Whether the row waits for the call's end too (each takes the end delay).
        QTest::addColumn<bool>("ends");

        QTest::newRow("zoom on the microphone") << "any"
                                                << "zoom" << true << "Zoom" << true;
        QTest::newRow("a browser on the microphone") << "any"
                                                     << "firefox-esr" << true << "Firefox" << false;
        QTest::newRow("unofficial teams on the microphone") << "any"
                                                            << "teams-for-linux" << true << "Teams" << false;
        QTest::newRow("music on the microphone") << "any"
                                                 << "music" << true << QString() << false;
        QTest::newRow("zoom on a monitor") << "any"
                                           << "zoom" << false << QString() << false;
        QTest::newRow("this program's own microphone") << "any" << QString() << true << QString() << false;
        QTest::newRow("teams only: zoom on the microphone") << "teams"
                                                            << "zoom" << true << QString() << false;
        QTest::newRow("teams only: unofficial teams") << "teams"
                                                      << "teams-for-linux" << true << "Teams" << true;
    }

    void soundServerTellsTheCall()
    {
        QFETCH(QString, which);
        QFETCH(QString, recorder);
        QFETCH(bool, onMicrophone);
        QFETCH(QString, name);
        QFETCH(bool, ends);
        // One server for all rows: each row's programs are gone after it.
        if (!m_sound.processId()) {
            const QString problem = m_sound.start();
            QVERIFY2(problem.isEmpty(), qPrintable(problem));
        }
        const test::PrivateSoundServer& server = m_sound;
        test::NamedPlayers players;
        const QString problem = players.prepare({"zoom", "firefox-esr", "teams-for-linux"});
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        CallMonitorService monitor(CallMonitorService::systemProbes(server.server()));
        monitor.setCallApplications(which);
        monitor.startMonitoring();
        QTRY_VERIFY(monitor.findChildren<QTimer*>().size() == 1);

        const auto sourceOutputs = [&server] {
            QProcess pactl;
            pactl.setProcessEnvironment(server.environment());
            pactl.start("pactl", {"list", "short", "source-outputs"});
            pactl.waitForFinished(10000);
            return pactl.readAllStandardOutput().count('\n');
        };
        // The server's own streams (a remapped source records its master).
        const qsizetype serversOwn = sourceOutputs();
        MicEngine ownMicrophone(server.server());
        if (recorder.isEmpty()) {
            ownMicrophone.setEnabled(true);
            QVERIFY(QCoro::waitFor(ownMicrophone.startEngine()));
        } else {
            QVERIFY(players.record(recorder, onMicrophone ? test::microphoneSource : test::speakerSink + ".monitor",
                server.environment()));
        }
        if (name.isEmpty()) {
            QTRY_COMPARE(sourceOutputs(), serversOwn + 1);
            QCoro::waitFor(monitor.checkCallState());
            QVERIFY(!monitor.isCallActive());
            QCOMPARE(monitor.callApplicationName(), QString());
            return;
        }
        // Teams alone is still asked every 2 s.
        QTRY_VERIFY_WITH_TIMEOUT(monitor.isCallActive(), which == "any" ? 1000 : 5000);
        QCOMPARE(monitor.callApplicationName(), name);
        if (which == "any")
            QCOMPARE(monitor.callApplication(), recorder);

        if (!ends)
            return;
        players.quit(recorder);
        QElapsedTimer gone;
        gone.start();
        QTRY_VERIFY_WITH_TIMEOUT(!monitor.isCallActive(), which == "any" ? 3500 : 5000);
        if (which == "any")
            QVERIFY2(gone.elapsed() >= CallMonitorService::endDelay.count() - 100,
                qPrintable(QStringLiteral("ended after %1 ms").arg(gone.elapsed())));
    }

private:
    test::PrivateSoundServer m_sound;
};

QTEST_GUILESS_MAIN(TestCallMonitorService)
#include "tst_CallMonitorService.moc"
