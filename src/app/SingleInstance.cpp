#include "SingleInstance.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalSocket>
#include <QLoggingCategory>
#include <QStandardPaths>
#include <QThread>

Q_DECLARE_LOGGING_CATEGORY(lcApp)

namespace tolvaran {
namespace {

constexpr QByteArrayView showRequest = "show\n";
constexpr QByteArrayView showAnswer = "ok\n";

QString runtimeFolder(const QString& given)
{
    if (!given.isEmpty())
        return given;
    // Qt falls back to a private folder under /tmp when XDG_RUNTIME_DIR is unset.
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}

} // namespace

SingleInstance::SingleInstance(const QString& folder, QObject* parent)
    : QObject(parent)
    , m_folder(runtimeFolder(folder))
    , m_socketPath(QDir(m_folder).filePath(QStringLiteral("tolvaran.socket")))
    , m_lock(QDir(m_folder).filePath(QStringLiteral("tolvaran.lock")))
{
    // Only a lock whose process has gone is stale, never one that is merely old.
    m_lock.setStaleLockTime(0);
}

SingleInstance::Role SingleInstance::claim()
{
    if (!QDir().mkpath(m_folder))
        qCWarning(lcApp, "Runtime folder %s cannot be created", qUtf8Printable(m_folder));
    if (m_lock.tryLock(0)) {
        serve();
        return Role::primary;
    }
    if (m_lock.error() != QLockFile::LockFailedError) {
        // Without a usable runtime folder the program still runs, only
        // without the guard against a second copy.
        qCWarning(lcApp, "No single-instance lock in %s; running anyway", qUtf8Printable(m_folder));
        return Role::primary;
    }
    return askRunningInstance() ? Role::secondary : Role::unreachable;
}

void SingleInstance::serve()
{
    // The lock is ours, so a socket file still there was left by a program
    // that was killed.
    QLocalServer::removeServer(m_socketPath);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server.listen(m_socketPath)) {
        qCWarning(
            lcApp, "Cannot listen on %s: %s", qUtf8Printable(m_socketPath), qUtf8Printable(m_server.errorString()));
        return;
    }
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (!socket->canReadLine()) {
                    // Anything long without a line end is not one of ours.
                    if (socket->bytesAvailable() > 64)
                        socket->abort();
                    return;
                }
                const QByteArray line = socket->readLine(64);
                if (line == showRequest) {
                    qCInfo(lcApp, "Showing the panel at another launch's request");
                    socket->write(showAnswer.data(), showAnswer.size());
                    socket->flush();
                    emit activationRequested();
                }
                socket->disconnectFromServer();
            });
        }
    });
}

bool SingleInstance::askRunningInstance()
{
    // The running program may still be starting: its socket can appear a
    // moment after its lock.
    const QDeadlineTimer deadline(std::chrono::seconds(5));
    while (!deadline.hasExpired()) {
        QLocalSocket socket;
        socket.connectToServer(m_socketPath);
        if (socket.waitForConnected(1000)) {
            socket.write(showRequest.data(), showRequest.size());
            if (socket.waitForBytesWritten(1000) && socket.waitForReadyRead(2000)
                && socket.readLine(64) == showAnswer) {
                qCInfo(lcApp, "Tolvaran is already running; its panel was brought forward");
                return true;
            }
        }
        QThread::msleep(100);
    }
    qCCritical(lcApp, "Tolvaran is already running but does not answer on %s", qUtf8Printable(m_socketPath));
    return false;
}

} // namespace tolvaran
