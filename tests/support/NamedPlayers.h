#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <QProcess>
#include <QTemporaryDir>

namespace tolvaran::test {

// A loud sine tone as a WAV file; empty on failure.
inline QString makeTone(
    const QString& dir, const QString& name, double seconds, int frequency = 440, double volume = 0.5)
{
    const QString file = QDir(dir).filePath(name + QStringLiteral(".wav"));
    QProcess sox;
    sox.start(QStringLiteral("sox"),
        {QStringLiteral("-n"), QStringLiteral("-r"), QStringLiteral("48000"), QStringLiteral("-c"), QStringLiteral("2"),
            file, QStringLiteral("synth"), QString::number(seconds), QStringLiteral("sine"), QString::number(frequency),
            QStringLiteral("vol"), QString::number(volume)});
    return sox.waitForFinished(15000) && sox.exitCode() == 0 ? file : QString();
}

// Players and recorders that the sound server knows by their executable
// names: copies of pacat called "teams" (a call application), "music" and
// any others asked for, each playing its own tone or recording until killed.
class NamedPlayers
{
public:
    static constexpr int callTone = 440;
    static constexpr int musicTone = 1000;
    static constexpr int secondCallTone = 660;
    // Each tone's amplitude in the 16 kHz stream.
    static constexpr double level = 0.4 * 32767;

    // Empty on success, else what is missing.
    QString prepare(const QStringList& names = {})
    {
        QStringList all{QStringLiteral("teams"), QStringLiteral("music"), QStringLiteral("tolvaran-server")};
        all += names;
        for (const QString& name : all) {
            const QString copy = m_dir.filePath(name);
            if (QFile::exists(copy))
                continue;
            if (!QFile::copy(QStringLiteral("/usr/bin/pacat"), copy)
                || !QFile::setPermissions(copy, QFile::permissions(copy) | QFile::ExeOwner))
                return QStringLiteral("cannot copy pacat");
        }
        for (const int tone : {callTone, musicTone, secondCallTone}) {
            if (makeTone(m_dir.path(), QString::number(tone), 30, tone, 0.4).isEmpty())
                return QStringLiteral("sox is needed (scripts/setup-deps)");
        }
        return {};
    }

    // Starts name playing the tone on the default output (or sink), under
    // the application name given (else pacat's own).
    bool play(const QString& name, int tone, const QProcessEnvironment& environment, const QString& sink = {},
        const QString& applicationName = {})
    {
        QStringList arguments{QStringLiteral("--file-format=wav")};
        if (!sink.isEmpty())
            arguments << QStringLiteral("-d") << sink;
        if (!applicationName.isEmpty())
            arguments << QStringLiteral("--property=application.name=") + applicationName;
        arguments << m_dir.filePath(QString::number(tone) + QStringLiteral(".wav"));
        return start(name, arguments, environment);
    }

    // Starts name recording from the source (a microphone, or a monitor),
    // throwing away what it hears.
    bool record(const QString& name, const QString& source, const QProcessEnvironment& environment)
    {
        return start(name, {QStringLiteral("--record"), QStringLiteral("-d"), source}, environment);
    }

    // Ends every player and recorder called name.
    void quit(const QString& name)
    {
        for (QProcess* player : std::as_const(m_players)) {
            if (QFileInfo(player->program()).fileName() == name) {
                player->kill();
                player->waitForFinished();
            }
        }
    }

    ~NamedPlayers()
    {
        for (QProcess* player : std::as_const(m_players)) {
            player->kill();
            player->waitForFinished();
        }
    }

private:
    bool start(const QString& name, const QStringList& arguments, const QProcessEnvironment& environment)
    {
        auto* player = new QProcess(&m_owner);
        player->setProcessEnvironment(environment);
        player->setStandardOutputFile(QProcess::nullDevice());
        player->start(m_dir.filePath(name), arguments);
        m_players.append(player);
        return player->waitForStarted();
    }

    QTemporaryDir m_dir;
    QObject m_owner;
    QList<QProcess*> m_players;
};

} // namespace tolvaran::test
