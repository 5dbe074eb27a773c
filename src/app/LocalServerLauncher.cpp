#include "LocalServerLauncher.h"

#include "AppLifecycle.h"

#include <QCoreApplication>
#include <QCoroIODevice>
#include <QCoroProcess>
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
    connect(&m_process, &QProcess::readyReadStandardOutput, this, [this] {
        if (m_isStarting)
            return;
        while (m_process.canReadLine())
            qCInfo(lcLocalServer, "%s", m_process.readLine().trimmed().constData());
    });
    connect(&m_process, &QProcess::finished, this, [this](int exitCode, QProcess::ExitStatus status) {
        qCInfo(lcLocalServer, "tolvaran-server ended (%s, %d)", status == QProcess::NormalExit ? "exit" : "crash",
            exitCode);
    });
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
    const QString program = serverExecutable();
    if (program.isEmpty()) {
        qCWarning(lcLocalServer, "Nothing answers at %s and tolvaran-server is not installed beside the program",
            qUtf8Printable(serverURL));
        co_return;
    }

    qCInfo(lcLocalServer, "Starting %s", qUtf8Printable(program));
    m_isStarting = true;
    m_process.start(program, {QStringLiteral("--listen"), QStringLiteral("127.0.0.1:%1").arg(defaultPort)});
    bool isListening = false;
    const QDeadlineTimer deadline(startTimeoutMs);
    if (co_await qCoro(m_process).waitForStarted(startTimeoutMs)) {
        while (!isListening && m_process.state() == QProcess::Running && !deadline.hasExpired()) {
            if (!m_process.canReadLine()
                && !co_await qCoro(m_process).waitForReadyRead(std::max<qint64>(1, deadline.remainingTime())))
                continue;
            while (m_process.canReadLine()) {
                const QByteArray line = m_process.readLine().trimmed();
                qCInfo(lcLocalServer, "%s", line.constData());
                isListening = isListening || line.startsWith("tolvaran-server listening on");
            }
        }
    }
    m_isStarting = false;
    if (!isListening) {
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

QCoro::Task<> startWithLocalServer(LocalServerLauncher& launcher, QString serverURL, AppLifecycle& lifecycle)
{
    co_await launcher.ensureRunning(serverURL);
    co_await lifecycle.start();
}

} // namespace tolvaran
