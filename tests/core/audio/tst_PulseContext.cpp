#include "PrivateSoundServer.h"
#include "SoundServer.h"
#include "audio/PulseContext.h"

#include <QElapsedTimer>
#include <QTest>

#include <csignal>

using namespace tolvaran;
using namespace std::chrono_literals;

class TestPulseContext : public QObject
{
    Q_OBJECT

private slots:

    void introspection()
    {
        TOLVARAN_REQUIRE_SOUND_SERVER();
        const auto pulse = PulseContext::connect("tst_PulseContext", 2s);
        QVERIFY(pulse);
        QVERIFY(pulse->isConnected());

        const auto server = pulse->serverInfo();
        QVERIFY(server);
        QCOMPARE(server->defaultSinkName, test::speakerSink);
        QCOMPARE(server->defaultSourceName, test::microphoneSource);

        const auto sink = pulse->sink(test::speakerSink);
        QVERIFY(sink);
        QCOMPARE(sink->monitorSourceName, test::speakerSink + ".monitor");
        QCOMPARE(sink->description, "Test-Speakers");
        QVERIFY(!pulse->sink("no_such_sink"));

        const auto microphone = pulse->source(test::microphoneSource);
        QVERIFY(microphone);
        QVERIFY(!microphone->isMonitor);
        QCOMPARE(microphone->description, "Test-Microphone");
        QVERIFY(microphone->sampleRate > 0);

        const auto monitor = pulse->source(sink->monitorSourceName);
        QVERIFY(monitor);
        QVERIFY(monitor->isMonitor);

        QStringList names;
        for (const auto& source : pulse->sources())
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
        const auto pulse = PulseContext::connect("tst_PulseContext", 2s, nullptr, server.server());
        QVERIFY(pulse);
        QVERIFY(pulse->serverInfo());

        const pid_t daemon = pid_t(server.processId());
        QVERIFY(daemon > 0);
        QCOMPARE(::kill(daemon, SIGSTOP), 0);
        const auto frozen = pulse->serverInfo();
        const auto sources = pulse->sources();
        QCOMPARE(::kill(daemon, SIGCONT), 0);
        QVERIFY(!frozen);
        QVERIFY(sources.isEmpty());
    }

    void absentServerFailsPromptly()
    {
        QElapsedTimer timer;
        timer.start();
        QString reason;
        const auto pulse
            = PulseContext::connect("tst_PulseContext", 5s, &reason, QStringLiteral("unix:/nonexistent/native"));
        QVERIFY(!pulse);
        QVERIFY2(reason.startsWith("No sound server: "), qPrintable(reason));
        QVERIFY2(timer.elapsed() < 4000, "an absent server must not wait for the time-out");
    }
};

QTEST_GUILESS_MAIN(TestPulseContext)
#include "tst_PulseContext.moc"
