#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

namespace tolvaran::test {

// The tolvaran program run as a user would, with a home of its own: its
// settings, recordings and temporary files stay in a temporary folder.
class ProgramUnderTest : public QObject
{
public:
    QTemporaryDir home;
    QProcess process;
    // Everything the program wrote to its standard output and error so far.
    QByteArray output;

    ProgramUnderTest()
    {
        QDir().mkpath(home.filePath("tmp"));
        QDir().mkpath(home.filePath("runtime"));
        QFile::setPermissions(home.filePath("runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", home.filePath("config"));
        env.insert("XDG_DATA_HOME", home.filePath("data"));
        env.insert("TMPDIR", home.filePath("tmp"));
        // Its own runtime folder: programs under test must not take each other
        // for a running copy.
        env.insert("XDG_RUNTIME_DIR", home.filePath("runtime"));
        env.insert("QT_QUICK_BACKEND", "software");
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("QT_LOGGING_RULES", "com.tolvaran.app.*=true");
        process.setProcessEnvironment(env);
        process.setProcessChannelMode(QProcess::MergedChannels);
        connect(&process, &QProcess::readyRead, this, [this] { output += process.readAll(); });
    }

    // A program still running is killed by the process's own destructor,
    // after `output` is gone: its last words must not be appended there.
    ~ProgramUnderTest() override { process.disconnect(this); }

    QString settingsFolder() const { return home.filePath("config/Tolvaran"); }

    QString recordingsFolder() const { return home.filePath("data/Tolvaran/Recordings"); }

    // What the recordings folder holds: its audio files, its descriptions and
    // the first description's content.
    struct SavedRecordings
    {
        QStringList audio;
        QStringList descriptions;
        bool isFirstDescriptionRead = false;
        QJsonObject firstDescription;
    };

    SavedRecordings savedRecordings() const
    {
        const QDir recordings(recordingsFolder());
        SavedRecordings saved;
        saved.audio = recordings.entryList({"*.m4a"}, QDir::Files);
        saved.descriptions = recordings.entryList({"*.json"}, QDir::Files);
        if (saved.descriptions.isEmpty())
            return saved;
        QFile file(recordings.filePath(saved.descriptions.first()));
        saved.isFirstDescriptionRead = file.open(QIODevice::ReadOnly);
        if (saved.isFirstDescriptionRead)
            saved.firstDescription = QJsonDocument::fromJson(file.readAll()).object();
        return saved;
    }

    // Replaces the settings file with these settings.
    bool writeSettings(const QJsonObject& settings) const
    {
        QDir().mkpath(settingsFolder());
        QFile file(settingsFolder() + "/settings.json");
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate)
            && file.write(QJsonDocument(settings).toJson()) > 0;
    }

    // Starts the program and waits until it says it runs.
    bool start()
    {
        process.start(TOLVARAN_EXECUTABLE, QStringList());
        return process.waitForStarted()
            && QTest::qWaitFor([this] { return output.contains("started; settings in"); }, 20000);
    }

    void signal(int signalNumber) { ::kill(pid_t(process.processId()), signalNumber); }

    // Waits with the event loop running, so that peers in this process go on working.
    bool waitForExit(int milliseconds = 30000)
    {
        return QTest::qWaitFor([this] { return process.state() == QProcess::NotRunning; }, milliseconds);
    }
};

} // namespace tolvaran::test
