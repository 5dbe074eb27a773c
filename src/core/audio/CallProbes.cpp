#include "CallProbes.h"

#include "PulseEngine.h"

#include <QCoreApplication>
#include <QCoroFuture>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace tolvaran {

namespace {

QString executableName(const QDir& process)
{
    QString target = QFileInfo(process.filePath(QStringLiteral("exe"))).symLinkTarget();
    if (!target.isEmpty()) {
        // A program updated while it runs still counts.
        const QLatin1String deleted(" (deleted)");
        if (target.endsWith(deleted))
            target.chop(deleted.size());
        return QFileInfo(target).fileName();
    }
    QFile commandLine(process.filePath(QStringLiteral("cmdline")));
    if (!commandLine.open(QIODevice::ReadOnly))
        return {};
    const QByteArray firstWord = commandLine.read(4096).split('\0').value(0);
    return QFileInfo(QFile::decodeName(firstWord)).fileName();
}

} // namespace

bool isProcessRunning(const QSet<QString>& executableNames, const QString& procRoot)
{
    const QDir root(procRoot);
    const QStringList entries = root.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        bool isProcess = false;
        entry.toUInt(&isProcess);
        if (isProcess && executableNames.contains(executableName(QDir(root.filePath(entry)))))
            return true;
    }
    return false;
}

DefaultInputProbe::DefaultInputProbe(std::optional<QString> server)
    : m_server(std::move(server))
{ }

DefaultInputProbe::~DefaultInputProbe() = default;

QCoro::Task<bool> DefaultInputProbe::isDefaultInputInUse()
{
    if (!m_pulse || m_pulse->hasFailed())
        m_pulse = PulseEngine::shared(m_server);
    // Kept by the task: the probe may go while the server is asked.
    const std::shared_ptr<PulseEngine> pulse = m_pulse;
    const auto server = co_await pulse->serverInfo();
    if (!server || server->defaultSourceName.isEmpty())
        co_return false;
    const auto source = co_await pulse->source(server->defaultSourceName);
    if (!source || !source->isRunning)
        co_return false;
    const qint64 ownProcess = QCoreApplication::applicationPid();
    const auto outputs = co_await pulse->sourceOutputs();
    if (!outputs)
        co_return false;
    co_return std::any_of(outputs->begin(), outputs->end(), [&](const PulseEngine::SourceOutputInfo& output) {
        return output.sourceIndex == source->index && !output.isCorked && output.processId
            && *output.processId != ownProcess;
    });
}

} // namespace tolvaran
