#include "CallProbes.h"

#include "PulseContext.h"

#include <QCoreApplication>
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

DefaultInputProbe::DefaultInputProbe() = default;

DefaultInputProbe::~DefaultInputProbe() = default;

bool DefaultInputProbe::isDefaultInputInUse()
{
    if (!m_pulse || !m_pulse->isConnected()) {
        m_pulse.reset();
        m_pulse = PulseContext::connect(QStringLiteral("Tolvaran call monitor"), std::chrono::seconds(1));
        if (!m_pulse)
            return false;
    }
    const auto server = m_pulse->serverInfo();
    if (!server || server->defaultSourceName.isEmpty())
        return false;
    const auto source = m_pulse->source(server->defaultSourceName);
    if (!source || !source->isRunning)
        return false;
    const qint64 ownProcess = QCoreApplication::applicationPid();
    const auto outputs = m_pulse->sourceOutputs();
    return std::any_of(outputs.begin(), outputs.end(), [&](const PulseContext::SourceOutputInfo& output) {
        return output.sourceIndex == source->index && !output.isCorked && output.processId
            && *output.processId != ownProcess;
    });
}

} // namespace tolvaran
