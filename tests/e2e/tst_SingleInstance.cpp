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
