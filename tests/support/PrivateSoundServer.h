#pragma once

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

// A sound server of a test's own, for tests that must disturb or kill one;
// the shared server of the test run is never touched. Needs the compile
// definition TOLVARAN_SOUND_SERVER_SCRIPT (the path of scripts/sound-server).
namespace tolvaran::test {

class PrivateSoundServer
{
public:
    PrivateSoundServer() = default;
    PrivateSoundServer(const PrivateSoundServer&) = delete;
    PrivateSoundServer& operator=(const PrivateSoundServer&) = delete;

    ~PrivateSoundServer() { stop(); }

    // Empty on success, else what went wrong.
    QString start()
    {
        if (!m_dir.isValid())
            return QStringLiteral("no temporary folder");
        QProcess script;
        script.start(QStringLiteral(TOLVARAN_SOUND_SERVER_SCRIPT), {QStringLiteral("start"), m_dir.path()});
        if (!script.waitForFinished(20000) || script.exitCode() != 0) {
            const QString error = QString::fromUtf8(script.readAllStandardError());
            return error.isEmpty() ? QStringLiteral("the sound server script failed") : error;
        }
        const auto match
            = QRegularExpression(QStringLiteral("PULSE_SERVER='([^']+)'")).match(QString::fromUtf8(script.readAll()));
        if (!match.hasMatch())
            return QStringLiteral("the sound server script named no server");
        m_server = match.captured(1);
        m_isRunning = true;
        return {};
    }

    void stop()
    {
        if (!m_isRunning)
            return;
        m_isRunning = false;
        QProcess script;
        script.start(QStringLiteral(TOLVARAN_SOUND_SERVER_SCRIPT), {QStringLiteral("stop"), m_dir.path()});
        script.waitForFinished(20000);
    }

    // Kills the daemon at once, as a crash would, and waits until it is
    // gone; start() brings one up again on the same socket.
    bool kill()
    {
        const auto pid = pid_t(processId());
        if (pid <= 0 || ::kill(pid, SIGKILL) != 0)
            return false;
        m_isRunning = false;
        const QString stat = QStringLiteral("/proc/%1/stat").arg(pid);
        // Gone, or a zombie nobody has reaped yet: either way it no longer serves.
        const bool isGone = QTest::qWaitFor(
            [&stat] {
                QFile file(stat);
                return !file.open(QIODevice::ReadOnly) || file.readAll().contains(") Z ");
            },
            5000);
        // A zombie keeps its pid, which the next daemon would take for a
        // running one.
        QFile::remove(m_dir.filePath(QStringLiteral("pulse-runtime/pulse/pid")));
        return isGone;
    }

    QString server() const { return m_server; }

    // The daemon's process id, or 0.
    qint64 processId() const
    {
        QFile pidFile(m_dir.filePath(QStringLiteral("pulse-runtime/pulse/pid")));
        return pidFile.open(QIODevice::ReadOnly) ? pidFile.readAll().trimmed().toLongLong() : 0;
    }

    // For pactl and paplay aimed at this server.
    QProcessEnvironment environment() const
    {
        auto environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("PULSE_SERVER"), m_server);
        return environment;
    }

    bool pactl(const QStringList& arguments) const
    {
        QProcess process;
        process.setProcessEnvironment(environment());
        process.start(QStringLiteral("pactl"), arguments);
        return process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit
            && process.exitCode() == 0;
    }

private:
    QTemporaryDir m_dir;
    QString m_server;
    bool m_isRunning = false;
};

} // namespace tolvaran::test
