#include "ProgramUnderTest.h"

#include <QTest>

using tolvaran::test::ProgramUnderTest;

// Starting tolvaran while it runs brings the running one's panel forward and
// ends with status 0; a copy killed outright does not block the next start.
class tst_SingleInstance : public QObject
{
    Q_OBJECT

private:
    // Another start with the same user folders as program; its exit status.
    static int launchAgain(ProgramUnderTest& program, QByteArray* output = nullptr)
    {
        QProcess again;
        again.setProcessEnvironment(program.process.processEnvironment());
        again.setProcessChannelMode(QProcess::MergedChannels);
        again.start(TOLVARAN_EXECUTABLE, QStringList());
        if (!again.waitForStarted() || !again.waitForFinished(20000)) {
            again.kill();
            again.waitForFinished();
            return -1;
        }
        if (output)
            *output = again.readAll();
        return again.exitStatus() == QProcess::NormalExit ? again.exitCode() : -1;
    }

    static constexpr char broughtForward[] = "Showing the panel at another launch's request";

private slots:

    void secondLaunchBringsTheFirstForward()
    {
        ProgramUnderTest first;
        QVERIFY(first.start());
        // Without a tray host the panel is open from the start.
        QVERIFY(QTest::qWaitFor([&] { return first.output.contains("No tray host; the panel opens as a window"); }));

        QByteArray output;
        QCOMPARE(launchAgain(first, &output), 0);
        QVERIFY2(!output.contains("started; settings in"), output.constData());
        QVERIFY(QTest::qWaitFor([&] { return first.output.contains(broughtForward); }, 5000));
        QCOMPARE(launchAgain(first), 0);
        QTRY_COMPARE(first.output.count(broughtForward), 2);
        QCOMPARE(first.process.state(), QProcess::Running);

        first.signal(SIGTERM);
        QVERIFY(first.waitForExit());
        QCOMPARE(first.process.exitCode(), 0);
    }

    // An export is a tool run beside the running program, not another launch:
    // it prints the export (a second launch would print nothing and end).
    void exportWhileRunning()
    {
        ProgramUnderTest first;
        QVERIFY(first.start());
        QVERIFY(QTest::qWaitFor([&] { return first.output.contains("No tray host; the panel opens as a window"); }));
        QFile entry(first.home.filePath("tolvaran_rec_1.json"));
        QVERIFY(entry.open(QIODevice::WriteOnly));
        entry.write(
            R"json({"id":"0F2D7A4E-5C1B-4E8A-9B3D-2A6C8E1F0B47","date":1.5,"duration":2.5,"language":"en",)json"
            R"json("audioFileName":"tolvaran_rec_1.m4a","transcript":[{"id":"7B1E9C3A-2D4F-4A6B-8C0E-1F3A5B7D9E2C",)json"
            R"json("offsetMs":1000,"speaker":"Speaker 1","originalText":"Hola","translatedText":"Hello",)json"
            R"json("language":"es"}]})json");
        entry.close();

        QProcess tool;
        tool.setProcessEnvironment(first.process.processEnvironment());
        tool.start(TOLVARAN_EXECUTABLE, {"--export", entry.fileName(), "--format", "srt"});
        QVERIFY(tool.waitForFinished(20000));
        QCOMPARE(tool.exitCode(), 0);
        QCOMPARE(tool.readAllStandardOutput(), QByteArray("1\n00:00:01,000 --> 00:00:02,500\nSpeaker 1: Hello\n\n"));
        QCOMPARE(first.process.state(), QProcess::Running);
        first.signal(SIGTERM);
        QVERIFY(first.waitForExit());
    }

    void launchAfterTheFirstWasKilled()
    {
        ProgramUnderTest first;
        QVERIFY(first.start());
        first.signal(SIGKILL);
        QVERIFY(first.waitForExit());
        // The killed copy left its lock and socket behind.
        QVERIFY(QFile::exists(first.home.filePath("runtime/tolvaran.socket")));

        // The next start runs as the program, not as a second launch.
        ProgramUnderTest next;
        next.process.setProcessEnvironment(first.process.processEnvironment());
        QVERIFY2(next.start(), next.output.constData());
        QByteArray output;
        QCOMPARE(launchAgain(next, &output), 0);
        QVERIFY(QTest::qWaitFor([&] { return next.output.contains(broughtForward); }, 5000));

        next.signal(SIGTERM);
        QVERIFY(next.waitForExit());
    }
};

QTEST_GUILESS_MAIN(tst_SingleInstance)
#include "tst_SingleInstance.moc"
