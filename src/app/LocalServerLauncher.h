#pragma once

#include <QCoroTask>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QTimer>

#include <optional>

namespace tolvaran {

// Starts tolvaran-server when the program's server address is the default
// local one and our server does not answer there, and stops it when the
// program ends. A server started by the user, or any other address, is left
// alone. When another program holds the default port (a web developer's own
// server on 3000), the server is started on a free port, which serves this run
// only: the user's setting stays as it is.
class LocalServerLauncher : public QObject
{
    Q_OBJECT

public:
    static constexpr int probeTimeoutMs = 3000;
    static constexpr int startTimeoutMs = 60000;

    explicit LocalServerLauncher(QObject* parent = nullptr);
    // Stops the server it started.
    ~LocalServerLauncher() override;

    // 3000, or TOLVARAN_LOCAL_SERVER_PORT, which tests set to a port of their own.
    static quint16 defaultPort();
    static bool isDefaultLocalAddress(const QString& serverURL);
    // Beside the program when installed; in the build tree, src/server.
    static QString serverExecutable();

    // Completes once a server answers at the address, or it is clear none will.
    // Gives the address to use for this run, when it differs from serverURL.
    // A server it starts with shareRooms listens on every address of the
    // machine (it takes speakers from this machine only); else on loopback.
    QCoro::Task<std::optional<QString>> ensureRunning(const QString& serverURL, bool shareRooms = false);
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
    QString m_listeningURL;
};

} // namespace tolvaran
