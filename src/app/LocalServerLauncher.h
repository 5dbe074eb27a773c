#pragma once

#include <QCoroTask>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QTimer>

namespace tolvaran {

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
    // A start still waiting for the server to listen ends at once, and the
    // server is stopped; no later start launches one.
    void abandonStart();
    void stop();

    bool hasStartedServer() const { return m_process.state() != QProcess::NotRunning; }

signals:
    // Once per start: the server listens, failed or was given up on.
    void startSettled();

private:
    void readStartOutput();
    void settleStart();

    QProcess m_process;
    QTimer m_startDeadline;
    bool m_isStarting = false;
    bool m_isListening = false;
    bool m_isAbandoned = false;
};

} // namespace tolvaran
