#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

namespace tolvaran {

// One running program per user. The first to start holds a lock file and
// listens on a local socket in the user's runtime folder; a later start asks
// it over that socket to bring its panel forward and then ends. A lock or a
// socket left by a program that was killed is taken over.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    enum class Role {
        // This process is the running program.
        primary,
        // Another one runs and was asked to show its panel.
        secondary,
        // Another one holds the lock but does not answer.
        unreachable,
    };

    // folder: the user's runtime folder ($XDG_RUNTIME_DIR) unless given.
    explicit SingleInstance(const QString& folder = QString(), QObject* parent = nullptr);

    Role claim();

    QString socketPath() const { return m_socketPath; }

signals:
    // A later start asked this one to show its panel.
    void activationRequested();

private:
    bool askRunningInstance();
    void serve();

    QString m_folder;
    QString m_socketPath;
    QLockFile m_lock;
    QLocalServer m_server;
};

} // namespace tolvaran
