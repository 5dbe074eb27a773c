#include "ProgramUnderTest.h"

#include <QDir>
#include <QFile>
#include <QTest>

using tolvaran::test::ProgramUnderTest;

class TestAppStartup : public QObject
{
    Q_OBJECT

private slots:

    void quitsCleanlyOnSignal_data()
    {
        QTest::addColumn<int>("signalNumber");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGINT") << SIGINT;
    }

    void quitsCleanlyOnSignal()
    {
        QFETCH(int, signalNumber);
        ProgramUnderTest program;
        QVERIFY(program.start());
        program.signal(signalNumber);
        QVERIFY(program.waitForExit());
        QCOMPARE(program.process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.process.exitCode(), 0);
        QVERIFY(program.output.contains("Tolvaran quit"));
    }

    void saysItNeedsADesktopSession_data()
    {
        QTest::addColumn<QString>("platform");
        QTest::addColumn<QString>("display");
        QTest::addColumn<bool>("starts");
        QTest::newRow("no platform, no display") << ""
                                                 << "" << false;
        QTest::newRow("X11 without a display") << "xcb"
                                               << "" << false;
        QTest::newRow("Wayland or X11, neither there") << "wayland;xcb"
                                                       << "" << false;
        QTest::newRow("offscreen") << "offscreen"
                                   << "" << true;
    }

    // One plain line instead of Qt's abort, and an exit status that says it.
    void saysItNeedsADesktopSession()
    {
        QFETCH(QString, platform);
        QFETCH(QString, display);
        QFETCH(bool, starts);
        ProgramUnderTest program;
        QProcessEnvironment env = program.process.processEnvironment();
        env.remove("WAYLAND_DISPLAY");
        env.insert("DISPLAY", display);
        env.insert("QT_QPA_PLATFORM", platform);
        program.process.setProcessEnvironment(env);
        if (starts) {
            QVERIFY(program.start());
            program.signal(SIGTERM);
            QVERIFY(program.waitForExit());
            QCOMPARE(program.process.exitCode(), 0);
            return;
        }
        program.process.start(TOLVARAN_EXECUTABLE, QStringList());
        QVERIFY(program.waitForExit());
        QCOMPARE(program.process.exitCode(), 1);
        QCOMPARE(program.output, "tolvaran needs a graphical desktop session (or xvfb-run); none was found.\n");
    }

    // A terminal without a desktop still gets the version and the help.
    void answersOnTheTerminalWithoutADesktopSession_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("answer");
        QTest::newRow("version") << "--version"
                                 << "Tolvaran " + QString::fromLatin1(TOLVARAN_VERSION_TEXT);
        QTest::newRow("help") << "--help"
                              << "--no-overlay";
        QTest::newRow("help names the export") << "--help"
                                               << "--export <recording.json>";
        QTest::newRow("help names the format") << "--help"
                                               << "--format <srt|vtt|txt>";
        QTest::newRow("help names the texts") << "--help"
                                              << "--text <translation|original|both>";
    }

    void answersOnTheTerminalWithoutADesktopSession()
    {
        QFETCH(QString, option);
        QFETCH(QString, answer);
        ProgramUnderTest program;
        QProcessEnvironment env = program.process.processEnvironment();
        env.remove("WAYLAND_DISPLAY");
        env.remove("DISPLAY");
        env.remove("QT_QPA_PLATFORM");
        program.process.setProcessEnvironment(env);
        program.process.start(TOLVARAN_EXECUTABLE, {option});
        QVERIFY(program.waitForExit());
        QCOMPARE(program.process.exitCode(), 0);
        QVERIFY2(program.output.contains(answer.toUtf8()), program.output.constData());
    }

    void startsOnDefaultsBesideACorruptSettingsFile()
    {
        ProgramUnderTest program;
        QVERIFY(QDir().mkpath(program.settingsFolder()));
        QFile file(program.settingsFolder() + "/settings.json");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not json at all");
        file.close();

        QVERIFY(program.start());
        program.signal(SIGTERM);
        QVERIFY(program.waitForExit());
        QCOMPARE(program.process.exitCode(), 0);

        const QStringList aside = QDir(program.settingsFolder()).entryList({"settings.json.corrupt-*"});
        QCOMPARE(aside.size(), 1);
        QFile kept(program.settingsFolder() + "/" + aside.first());
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("not json at all"));
    }
};

QTEST_GUILESS_MAIN(TestAppStartup)
#include "tst_AppStartup.moc"
