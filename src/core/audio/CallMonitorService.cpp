#include "CallMonitorService.h"

#include "CallProbes.h"

#include <QLoggingCategory>
#include <QPointer>
#include <QTimer>

#include <memory>

Q_LOGGING_CATEGORY(lcCallMonitor, "com.tolvaran.app.CallMonitor")

namespace tolvaran {

namespace {

const char* text(bool value)
{
    return value ? "true" : "false";
}

} // namespace

const QSet<QString> CallMonitorService::teamsProcessNames{
    QStringLiteral("teams"),
    QStringLiteral("teams-for-linux"),
    QStringLiteral("ms-teams"),
};

CallMonitorService::CallMonitorService(QObject* parent)
    : CallMonitorService(systemProbes(), parent)
{ }

CallMonitorService::CallMonitorService(Probes probes, QObject* parent)
    : QObject(parent)
    , m_probes(std::move(probes))
{ }

CallMonitorService::~CallMonitorService() = default;

CallMonitorService::Probes CallMonitorService::systemProbes()
{
    auto input = std::make_shared<DefaultInputProbe>();
    return Probes{
        [] { return isProcessRunning(teamsProcessNames); },
        [input]() -> QCoro::Task<bool> { co_return co_await input->isDefaultInputInUse(); },
    };
}

void CallMonitorService::startMonitoring()
{
    if (m_isMonitoring)
        return;
    ++m_generation;
    setMonitoring(true);
    setCallActive(false);
    qCInfo(lcCallMonitor, "Call monitoring started");
    checkCallState();

    m_timer = new QTimer(this);
    m_timer->setInterval(pollingIntervalMs);
    connect(m_timer, &QTimer::timeout, this, [monitor = QPointer(this)] {
        if (monitor)
            monitor->checkCallState();
    });
    m_timer->start();
}

QCoro::Task<> CallMonitorService::checkCallState()
{
    if (m_isChecking)
        co_return;
    m_isChecking = true;
    const QPointer<CallMonitorService> self(this);
    const quint64 generation = m_generation;
    const bool teams = m_probes.isTeamsRunning ? m_probes.isTeamsRunning() : false;
    const bool mic = m_probes.isMicrophoneInUse ? co_await m_probes.isMicrophoneInUse() : false;
    if (!self)
        co_return;
    m_isChecking = false;
    if (generation != m_generation)
        co_return;
    const bool active = teams && mic;
    if (active == m_isCallActive)
        co_return;
    setCallActive(active);
    qCInfo(lcCallMonitor, "Call state changed: active=%s (teams=%s, mic=%s)", text(active), text(teams), text(mic));
    emit callStateChanged(active);
}

void CallMonitorService::stopMonitoring()
{
    if (m_timer) {
        // May run inside the timer's own check.
        m_timer->stop();
        m_timer->deleteLater();
        m_timer = nullptr;
    }
    ++m_generation;
    setMonitoring(false);
    if (m_isCallActive) {
        setCallActive(false);
        emit callStateChanged(false);
    }
    qCInfo(lcCallMonitor, "Call monitoring stopped");
}

void CallMonitorService::setCallActive(bool active)
{
    if (m_isCallActive == active)
        return;
    m_isCallActive = active;
    emit isCallActiveChanged();
}

void CallMonitorService::setMonitoring(bool monitoring)
{
    if (m_isMonitoring == monitoring)
        return;
    m_isMonitoring = monitoring;
    emit isMonitoringChanged();
}

} // namespace tolvaran
