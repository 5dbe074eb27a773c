#include "LogCapture.h"
#include "SoundServer.h"
#include "audio/CallMonitorService.h"
#include "audio/CallProbes.h"
#include "audio/MicEngine.h"
#include "audio/PulseEngine.h"

#include <QDir>
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

    CallMonitorService::Probes probes()
    {
        return {[this] {
                    ++teamsAsked;
                    return teams;
                },
            [this]() -> QCoro::Task<bool> {
                ++micAsked;
                co_return mic;
            }};
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
        FakeWorld world{true, true};
        CallMonitorService monitor(world.probes());
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

    void realProbesSeeACall()
    {
        TOLVARAN_REQUIRE_SOUND_SERVER();
        CallMonitorService monitor;
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
};

QTEST_GUILESS_MAIN(TestCallMonitorService)
#include "tst_CallMonitorService.moc"
