#include "CallProbes.h"

#include "PulseEngine.h"
#include "capture/DeviceWatch.h"
#include "model/ServerIdentity.h"

#include <QCoreApplication>
#include <QCoroFuture>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <pulse/pulseaudio.h>

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

MicrophoneRecorders::MicrophoneRecorders(std::optional<QString> server)
    : m_server(std::move(server))
{ }

MicrophoneRecorders::~MicrophoneRecorders() = default;

std::shared_ptr<PulseEngine> MicrophoneRecorders::pulse()
{
    if (!m_pulse || m_pulse->hasFailed())
        m_pulse = PulseEngine::shared(m_server);
    return m_pulse;
}

QCoro::Task<std::optional<QList<MicrophoneRecorder>>> MicrophoneRecorders::recorders()
{
    // Kept by the task: the probe may go while the server is asked.
    const std::shared_ptr<PulseEngine> engine = pulse();
    const auto sources = co_await engine->sources();
    if (!sources)
        co_return std::nullopt;
    QSet<quint32> microphones;
    for (const PulseEngine::SourceInfo& source : *sources) {
        if (!source.isMonitor)
            microphones.insert(source.index);
    }
    const auto outputs = co_await engine->sourceOutputs();
    if (!outputs)
        co_return std::nullopt;
    const qint64 ownProcess = QCoreApplication::applicationPid();
    const QSet<QString> ours{QFileInfo(QCoreApplication::applicationFilePath()).fileName(), QStringLiteral("tolvaran"),
        QString::fromLatin1(ServerIdentity::name)};
    QList<MicrophoneRecorder> recorders;
    for (const PulseEngine::SourceOutputInfo& output : *outputs) {
        if (!microphones.contains(output.sourceIndex) || output.processId == ownProcess || ours.contains(output.binary))
            continue;
        const MicrophoneRecorder recorder{output.binary, output.applicationName};
        if (!recorders.contains(recorder))
            recorders.append(recorder);
    }
    co_return recorders;
}

void MicrophoneRecorders::follow(std::function<void()> changed)
{
    if (!changed) {
        m_watch.reset();
        return;
    }
    m_watch = std::make_unique<DeviceWatch>(pulse());
    PulseEngine::Lock lock(*m_watch->pulse);
    m_watch->watch.onChange([changed](int facility, int, quint32) {
        if (facility == PA_SUBSCRIPTION_EVENT_SOURCE_OUTPUT || facility == PA_SUBSCRIPTION_EVENT_SOURCE)
            changed();
    });
    m_watch->watch.onConnection([changed](bool) { changed(); });
}

} // namespace tolvaran
