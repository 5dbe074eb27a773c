#include "PrivateSoundServer.h"
#include "SoundServer.h"
#include "audio/PulseEngine.h"

#include <QElapsedTimer>
#include <QTest>

#include <csignal>
#include <mutex>

using namespace tolvaran;

class TestPulseEngine : public QObject
{
    Q_OBJECT

private slots:

    void introspection()
    {
        TOLVARAN_REQUIRE_SOUND_SERVER();
        const auto pulse = PulseEngine::shared();
        QVERIFY(!pulse->hasFailed());

        const auto server = pulse->serverInfo().result();
        QVERIFY(server);
        QVERIFY(pulse->isConnected());
        QCOMPARE(server->defaultSinkName, test::speakerSink);
        QCOMPARE(server->defaultSourceName, test::microphoneSource);

        const auto sink = pulse->sink(test::speakerSink).result();
        QVERIFY(sink);
        QCOMPARE(sink->monitorSourceName, test::speakerSink + ".monitor");
        QCOMPARE(sink->description, "Test-Speakers");
        QVERIFY(!pulse->sink("no_such_sink").result());

        const auto microphone = pulse->source(test::microphoneSource).result();
        QVERIFY(microphone);
        QVERIFY(!microphone->isMonitor);
        QCOMPARE(microphone->description, "Test-Microphone");
        QVERIFY(microphone->sampleRate > 0);

        const auto monitor = pulse->source(sink->monitorSourceName).result();
        QVERIFY(monitor);
        QVERIFY(monitor->isMonitor);

        QStringList names;
        const auto sources = pulse->sources().result();
        QVERIFY(sources);
        for (const auto& source : *sources)
            names.append(source.name);
        QVERIFY(names.contains(test::microphoneSource));
        QVERIFY(names.contains(sink->monitorSourceName));
    }

    // A server that stops answering (here: stopped by a signal) does not
    // hold the caller: queries give up and report nothing.
    void frozenServerDoesNotHangQueries()
    {
        test::PrivateSoundServer server;
        const QString failure = server.start();
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        const auto pulse = PulseEngine::shared(server.server());
        QVERIFY(pulse->serverInfo().result());

        const pid_t daemon = pid_t(server.processId());
        QVERIFY(daemon > 0);
        QCOMPARE(::kill(daemon, SIGSTOP), 0);
        const auto frozen = pulse->serverInfo().result();
        const auto sources = pulse->sources().result();
        QCOMPARE(::kill(daemon, SIGCONT), 0);
        QVERIFY(!frozen);
        QVERIFY(!sources);
    }

    void absentServerFailsPromptly()
    {
        QElapsedTimer timer;
        timer.start();
        const auto pulse = PulseEngine::shared(QStringLiteral("unix:/nonexistent/native"));
        QVERIFY(!pulse->serverInfo().result());
        QVERIFY(pulse->hasFailed());
        QVERIFY2(pulse->failureText().startsWith("No sound server: "), qPrintable(pulse->failureText()));
        QVERIFY2(timer.elapsed() < 1500, "an absent server must not wait for the time-out");
    }

    // The server is killed and started again on the same socket: the
    // connection is told of the loss, answers nothing meanwhile without
    // waiting, and comes back by itself.
    void reconnectsAfterARestart()
    {
        test::PrivateSoundServer server;
        const QString failure = server.start();
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        const auto pulse = PulseEngine::shared(server.server());
        QVERIFY(pulse->serverInfo().result());

        std::mutex lock;
        QList<bool> told;
        const auto toldSoFar = [&] {
            std::lock_guard guard(lock);
            return told;
        };
        PulseEngine::Watch watch(*pulse);
        {
            PulseEngine::Lock engineLock(*pulse);
            watch.onConnection([&](bool isConnected) {
                std::lock_guard guard(lock);
                told.append(isConnected);
            });
        }
        QVERIFY(server.kill());
        QTRY_COMPARE(toldSoFar(), QList<bool>{false});
        QVERIFY(!pulse->isConnected());
        QVERIFY(!pulse->hasFailed());
        QElapsedTimer asked;
        asked.start();
        QVERIFY(!pulse->serverInfo().result());
        QVERIFY2(asked.elapsed() < PulseEngine::queryTimeout.count() * 1000 / 2, "nothing waits for an absent server");
        // Later users get the same connection, not one of their own.
        QCOMPARE(PulseEngine::shared(server.server()), pulse);

        const QString again = server.start();
        QVERIFY2(again.isEmpty(), qPrintable(again));
        QTRY_COMPARE_WITH_TIMEOUT(toldSoFar(), (QList<bool>{false, true}), 5000);
        const auto info = pulse->serverInfo().result();
        QVERIFY(info);
        QCOMPARE(info->defaultSinkName, test::speakerSink);
        PulseEngine::Lock engineLock(*pulse);
        watch.clear();
    }
};

QTEST_GUILESS_MAIN(TestPulseEngine)
#include "tst_PulseEngine.moc"
