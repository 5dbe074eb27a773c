#include "LocalServerLauncher.h"

#include <QCoreApplication>
#include <QCoroSignal>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QTcpSocket>
#include <QUrl>

#include <csignal>
#include <sys/prctl.h>

Q_LOGGING_CATEGORY(lcLocalServer, "com.tolvaran.app.LocalServer")

namespace tolvaran {

namespace {

constexpr quint16 defaultPort = 3000;

QCoro::Task<bool> somethingAnswers()
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress(QHostAddress::LocalHost), defaultPort);
    const QDeadlineTimer deadline(LocalServerLauncher::probeTimeoutMs);
    while (socket.state() != QAbstractSocket::ConnectedState && socket.state() != QAbstractSocket::UnconnectedState
        && !deadline.hasExpired()) {
        co_await qCoro(&socket, &QAbstractSocket::stateChanged,
            std::chrono::milliseconds(std::max<qint64>(1, deadline.remainingTime())));
    }
    const bool connected = socket.state() == QAbstractSocket::ConnectedState;
    socket.abort();
    co_return connected;
}

} // namespace

LocalServerLauncher::LocalServerLauncher(QObject* parent)
    : QObject(parent)
{
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // The server must not outlive the program, even one that is killed.
    m_process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    connect(&m_process, &QProcess::readyReadStandardOutput, this, &LocalServerLauncher::readStartOutput);
    connect(&m_process, &QProcess::finished, this, [this](int exitCode, QProcess::ExitStatus status) {
        qCInfo(lcLocalServer, "tolvaran-server ended (%s, %d)", status == QProcess::NormalExit ? "exit" : "crash",
            exitCode);
        settleStart();
    });
    connect(&m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            settleStart();
    });
    m_startDeadline.setSingleShot(true);
    m_startDeadline.setInterval(startTimeoutMs);
    connect(&m_startDeadline, &QTimer::timeout, this, &LocalServerLauncher::settleStart);
}

void LocalServerLauncher::readStartOutput()
{
    while (m_process.canReadLine()) {
        const QByteArray line = m_process.readLine().trimmed();
        qCInfo(lcLocalServer, "%s", line.constData());
        if (m_isStarting && line.startsWith("tolvaran-server listening on")) {
            m_isListening = true;
            settleStart();
        }
    }
}

void LocalServerLauncher::settleStart()
{
    if (!m_isStarting)
        return;
    m_isStarting = false;
    m_startDeadline.stop();
    emit startSettled();
}

void LocalServerLauncher::abandonStart()
{
    m_isAbandoned = true;
    if (!m_isStarting)
        return;
    qCInfo(lcLocalServer, "Not waiting for tolvaran-server any longer");
    settleStart();
}

LocalServerLauncher::~LocalServerLauncher()
{
    stop();
}

bool LocalServerLauncher::isDefaultLocalAddress(const QString& serverURL)
{
    const QUrl url(serverURL, QUrl::StrictMode);
    const QString host = url.host();
    return url.isValid() && url.scheme() == QLatin1String("ws")
        && (host == QLatin1String("localhost") || host == QLatin1String("127.0.0.1")) && url.port() == defaultPort
        && (url.path().isEmpty() || url.path() == QLatin1String("/")) && !url.hasQuery() && url.userInfo().isEmpty();
}

QString LocalServerLauncher::serverExecutable()
{
    const QString folder = QCoreApplication::applicationDirPath();
    for (const QString& candidate :
        {folder + QStringLiteral("/tolvaran-server"), folder + QStringLiteral("/../server/tolvaran-server")}) {
        const QFileInfo file(candidate);
        if (file.isFile() && file.isExecutable())
            return file.canonicalFilePath();
    }
    return {};
}

QCoro::Task<> LocalServerLauncher::ensureRunning(const QString& serverURL)
{
    if (!isDefaultLocalAddress(serverURL) || hasStartedServer())
        co_return;
    if (co_await somethingAnswers()) {
        qCInfo(lcLocalServer, "A translation server answers at %s; using it", qUtf8Printable(serverURL));
        co_return;
    }
    if (m_isAbandoned)
        co_return;
    const QString program = serverExecutable();
    if (program.isEmpty()) {
        qCWarning(lcLocalServer, "Nothing answers at %s and tolvaran-server is not installed beside the program",
            qUtf8Printable(serverURL));
        co_return;
    }

    qCInfo(lcLocalServer, "Starting %s", qUtf8Printable(program));
    m_isStarting = true;
    m_isListening = false;
    m_startDeadline.start();
    m_process.start(program, {QStringLiteral("--listen"), QStringLiteral("127.0.0.1:%1").arg(defaultPort)});
    // Every end of the wait (listening, the server ending, the deadline or
    // the program quitting) settles it exactly once.
    if (m_isStarting)
        co_await qCoro(this, &LocalServerLauncher::startSettled);
    if (!m_isListening) {
        qCCritical(lcLocalServer, "tolvaran-server did not start listening");
        stop();
    }
}

void LocalServerLauncher::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    qCInfo(lcLocalServer, "Stopping tolvaran-server");
    m_process.terminate();
    if (!m_process.waitForFinished(5000)) {
        m_process.kill();
        m_process.waitForFinished(2000);
    }
}

} // namespace tolvaran
