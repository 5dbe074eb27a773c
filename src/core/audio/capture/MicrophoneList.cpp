#include "MicrophoneList.h"

#include "DeviceWatch.h"

#include <QCoroFuture>

#include <pulse/pulseaudio.h>

namespace tolvaran {

MicrophoneList::MicrophoneList(std::optional<QString> server)
    : m_server(std::move(server))
{
    m_refreshTimer.setSingleShot(true);
    m_refreshTimer.setInterval(DeviceWatch::settleDelay);
    connect(&m_refreshTimer, &QTimer::timeout, this, [this] { refresh(); });
}

MicrophoneList::~MicrophoneList()
{
    // No handler may reach a list half gone.
    m_watch.reset();
}

QCoro::Task<> MicrophoneList::refresh()
{
    watch();
    const std::weak_ptr<int> alive = m_alive;
    const std::shared_ptr<PulseEngine> pulse = m_watch->pulse;
    const auto sources = co_await pulse->sources();
    if (alive.expired())
        co_return;
    QList<MicDevice> devices;
    for (const auto& source : sources.value_or(QList<PulseEngine::SourceInfo>())) {
        if (!source.isMonitor)
            devices.append({source.name, source.description});
    }
    if (devices == m_devices)
        co_return;
    m_devices = devices;
    emit changed();
}

void MicrophoneList::watch()
{
    // A first connection that failed gives a new engine: the watch moves there.
    const std::shared_ptr<PulseEngine> pulse = PulseEngine::shared(m_server);
    if (m_watch && m_watch->pulse == pulse)
        return;
    m_watch.reset();
    m_watch = std::make_unique<DeviceWatch>(pulse);
    PulseEngine::Lock lock(*pulse);
    m_watch->watch.onChange([this](int facility, int, quint32) {
        if (facility == PA_SUBSCRIPTION_EVENT_SOURCE)
            sourcesChanged();
    });
    // After a restart of the server the devices may be others.
    m_watch->watch.onConnection([this](bool isConnected) {
        if (isConnected)
            sourcesChanged();
    });
}

void MicrophoneList::sourcesChanged()
{
    // Each change restarts the wait, so a burst is read once, on the main thread.
    QMetaObject::invokeMethod(
        this, [this] { m_refreshTimer.start(); }, Qt::QueuedConnection);
}

} // namespace tolvaran
