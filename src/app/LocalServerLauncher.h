#pragma once

#include <QCoroTask>
#include <QObject>
#include <QProcess>
#include <QString>

namespace tolvaran {

class AppLifecycle;

// Starts tolvaran-server when the program's server address is the default
// local one and nothing answers there, and stops it when the program ends.
// A server started by the user, or any other address, is left alone.
class LocalServerLauncher : public QObject
{
    Q_OBJECT

public:
    static constexpr int probeTimeoutMs = 1000;
    static constexpr int startTimeoutMs = 60000;

    explicit LocalServerLauncher(QObject* parent = nullptr);
    // Stops the server it started.
    ~LocalServerLauncher() override;

    static bool isDefaultLocalAddress(const QString& serverURL);
    // Beside the program when installed; in the build tree, src/server.
    static QString serverExecutable();

    // Completes once a server answers at the address, or it is clear none will.
    QCoro::Task<> ensureRunning(const QString& serverURL);
    void stop();

    bool hasStartedServer() const { return m_process.state() != QProcess::NotRunning; }

private:
    QProcess m_process;
    bool m_isStarting = false;
};

// The program's start: the local server first when it is needed, so that
// listening at launch finds it.
QCoro::Task<> startWithLocalServer(LocalServerLauncher& launcher, QString serverURL, AppLifecycle& lifecycle);

} // namespace tolvaran
