#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

class TestAppStartup : public QObject
{
    Q_OBJECT

private:
    // Starts tolvaran with its own XDG folders and waits until it says it runs.
    static bool startProgram(QProcess& program, const QTemporaryDir& home)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", home.filePath("config"));
        env.insert("XDG_DATA_HOME", home.filePath("data"));
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("QT_LOGGING_RULES", "com.tolvaran.app.*=true");
        program.setProcessEnvironment(env);
        program.setProcessChannelMode(QProcess::MergedChannels);
        program.start(TOLVARAN_EXECUTABLE, QStringList());
        if (!program.waitForStarted())
            return false;
        QByteArray output;
        QDeadlineTimer deadline(20000);
        while (!output.contains("started; settings in") && !deadline.hasExpired()) {
            if (!program.waitForReadyRead(int(deadline.remainingTime())))
                break;
            output += program.readAll();
        }
        return output.contains("started; settings in");
    }

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
        QTemporaryDir home;
        QProcess program;
        QVERIFY(startProgram(program, home));

        ::kill(pid_t(program.processId()), signalNumber);
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        QVERIFY(program.readAll().contains("Tolvaran quit"));
    }

    void startsOnDefaultsBesideACorruptSettingsFile()
    {
        QTemporaryDir home;
        const QString settingsDir = home.filePath("config/Tolvaran");
        QVERIFY(QDir().mkpath(settingsDir));
        QFile file(settingsDir + "/settings.json");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not json at all");
        file.close();

        QProcess program;
        QVERIFY(startProgram(program, home));
        ::kill(pid_t(program.processId()), SIGTERM);
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitCode(), 0);

        const QStringList aside = QDir(settingsDir).entryList({"settings.json.corrupt-*"});
        QCOMPARE(aside.size(), 1);
        QFile kept(settingsDir + "/" + aside.first());
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("not json at all"));
    }
};

QTEST_GUILESS_MAIN(TestAppStartup)
#include "tst_AppStartup.moc"
