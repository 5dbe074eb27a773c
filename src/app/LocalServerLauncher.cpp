#include "LocalServerLauncher.h"

#include "model/ServerIdentity.h"

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

enum class PortAnswer { nothing, ourServer, somethingElse };

// Waits for the socket's state to leave the connecting states, or the deadline.
QCoro::Task<> connected(QTcpSocket& socket, const QDeadlineTimer& deadline)
{
    while (socket.state() != QAbstractSocket::ConnectedState && socket.state() != QAbstractSocket::UnconnectedState
        && !deadline.hasExpired()) {
        co_await qCoro(&socket, &QAbstractSocket::stateChanged,
            std::chrono::milliseconds(std::max<qint64>(1, deadline.remainingTime())));
    }
}

// The body of a complete HTTP 200 answer in bytes read so far; nothing while
// it is incomplete or another status.
std::optional<QByteArray> completeBody(const QByteArray& response, bool isClosed)
{
    const qsizetype headerEnd = response.indexOf("\r\n\r\n");
    if (headerEnd < 0)
        return std::nullopt;
    const QByteArray head = response.left(headerEnd);
    if (!head.startsWith("HTTP/1.1 200") && !head.startsWith("HTTP/1.0 200"))
        return QByteArray();
    QByteArray body = response.mid(headerEnd + 4);
    for (const QByteArray& line : head.split('\n')) {
        const QByteArray field = line.trimmed();
        if (field.toLower().startsWith("content-length:")) {
            bool ok = false;
            const qsizetype length = field.mid(15).trimmed().toLongLong(&ok);
            if (!ok)
                return QByteArray();
            if (body.size() < length)
                return isClosed ? std::optional(QByteArray()) : std::nullopt;
            return body.left(length);
        }
    }
    return isClosed ? std::optional(body) : std::nullopt;
}

// Whether anything listens on the port and, if so, whether it is our server:
// another program's web server answers the identifying request otherwise or
// not at all.
QCoro::Task<PortAnswer> whatAnswers(quint16 port)
{
    QTcpSocket socket;
    const QDeadlineTimer deadline(LocalServerLauncher::probeTimeoutMs);
    socket.connectToHost(QHostAddress(QHostAddress::LocalHost), port);
    co_await connected(socket, deadline);
    if (socket.state() != QAbstractSocket::ConnectedState)
        co_return PortAnswer::nothing;

    socket.write(QByteArray("GET ") + ServerIdentity::path + " HTTP/1.1\r\nHost: 127.0.0.1:" + QByteArray::number(port)
        + "\r\nConnection: close\r\n\r\n");
    // Our answer is a few dozen bytes; another server may send a whole page.
    constexpr qsizetype maxResponse = 16 * 1024;
    // A peer closing the connection wakes the wait as new bytes do.
    QObject::connect(&socket, &QAbstractSocket::disconnected, &socket, &QIODevice::readyRead);
    QByteArray response;
    std::optional<QByteArray> body;
    while (!body && response.size() < maxResponse && !deadline.hasExpired()) {
        if (socket.bytesAvailable() == 0 && socket.state() == QAbstractSocket::ConnectedState)
            co_await qCoro(&socket, &QIODevice::readyRead,
                std::chrono::milliseconds(std::max<qint64>(1, deadline.remainingTime())));
        response += socket.read(maxResponse - response.size());
        const bool isClosed = socket.state() != QAbstractSocket::ConnectedState && socket.bytesAvailable() == 0;
        body = completeBody(response, isClosed);
        if (isClosed)
            break;
    }
    socket.abort();
    co_return body&& ServerIdentity::isOurs(*body) ? PortAnswer::ourServer : PortAnswer::somethingElse;
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
        static constexpr QByteArrayView listening("tolvaran-server listening on ");
        if (m_isStarting && line.startsWith(listening)) {
            m_isListening = true;
            m_listeningURL = QString::fromUtf8(line.mid(listening.size()));
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

quint16 LocalServerLauncher::defaultPort()
{
    bool ok = false;
    const uint port = qEnvironmentVariableIntValue("TOLVARAN_LOCAL_SERVER_PORT", &ok);
    return ok && port > 0 && port <= 65535 ? quint16(port) : quint16(3000);
}

bool LocalServerLauncher::isDefaultLocalAddress(const QString& serverURL)
{
    const QUrl url(serverURL, QUrl::StrictMode);
    return ServerIdentity::isLocalServerAddress(serverURL) && url.port() == defaultPort()
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

QCoro::Task<std::optional<QString>> LocalServerLauncher::ensureRunning(const QString& serverURL, bool shareRooms)
{
    if (!isDefaultLocalAddress(serverURL) || hasStartedServer())
        co_return std::nullopt;
    const PortAnswer answer = co_await whatAnswers(defaultPort());
    if (answer == PortAnswer::ourServer) {
        qCInfo(lcLocalServer, "tolvaran-server answers at %s; using it", qUtf8Printable(serverURL));
        co_return std::nullopt;
    }
    if (m_isAbandoned)
        co_return std::nullopt;
    const QString program = serverExecutable();
    if (program.isEmpty()) {
        qCWarning(lcLocalServer, "tolvaran-server does not answer at %s and is not installed beside the program",
            qUtf8Printable(serverURL));
        co_return std::nullopt;
    }

    // Port 0: the system picks a free one, which the server prints.
    const quint16 port = answer == PortAnswer::nothing ? defaultPort() : 0;
    if (answer == PortAnswer::somethingElse) {
        qCWarning(lcLocalServer,
            "Another program, not tolvaran-server, answers at %s; starting tolvaran-server on a "
            "free port for this run",
            qUtf8Printable(serverURL));
    }
    qCInfo(lcLocalServer, "Starting %s", qUtf8Printable(program));
    m_isStarting = true;
    m_isListening = false;
    m_listeningURL.clear();
    m_startDeadline.start();
    const QString host = shareRooms ? QStringLiteral("0.0.0.0") : QStringLiteral("127.0.0.1");
    m_process.start(program, {QStringLiteral("--listen"), QStringLiteral("%1:%2").arg(host).arg(port)});
    // Every end of the wait (listening, the server ending, the deadline or
    // the program quitting) settles it exactly once.
    if (m_isStarting)
        co_await qCoro(this, &LocalServerLauncher::startSettled);
    if (!m_isListening) {
        qCCritical(lcLocalServer, "tolvaran-server did not start listening");
        stop();
        co_return std::nullopt;
    }
    if (port == 0)
        co_return m_listeningURL;
    co_return std::nullopt;
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
