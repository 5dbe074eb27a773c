#include "PlayingApplicationList.h"

#include "DeviceWatch.h"
#include "model/ServerIdentity.h"

#include <QCoreApplication>
#include <QCoroFuture>
#include <QFileInfo>
#include <QSet>

#include <algorithm>
#include <pulse/pulseaudio.h>

namespace tolvaran {

namespace {

// One entry per program that can be captured alone (it names its
// executable), by name; this program and its local server are left out.
QList<PlayingApplication> applicationsIn(const QList<PulseEngine::SinkInputInfo>& inputs)
{
    const QSet<QString> ours{QFileInfo(QCoreApplication::applicationFilePath()).fileName(), QStringLiteral("tolvaran"),
        QString::fromLatin1(ServerIdentity::name)};
    QList<PlayingApplication> applications;
    QSet<QString> listed;
    for (const PulseEngine::SinkInputInfo& input : inputs) {
        if (input.binary.isEmpty() || input.isOwn() || ours.contains(input.binary) || listed.contains(input.binary))
            continue;
        listed.insert(input.binary);
        applications.append({input.binary, input.applicationName.isEmpty() ? input.binary : input.applicationName});
    }
    std::sort(applications.begin(), applications.end(), [](const PlayingApplication& a, const PlayingApplication& b) {
        const int byName = a.name.compare(b.name, Qt::CaseInsensitive);
        return byName != 0 ? byName < 0 : a.binary < b.binary;
    });
    return applications;
}

} // namespace

PlayingApplicationList::PlayingApplicationList(std::optional<QString> server)
    : m_server(std::move(server))
{
    m_refreshTimer.setSingleShot(true);
    m_refreshTimer.setInterval(DeviceWatch::settleDelay);
    connect(&m_refreshTimer, &QTimer::timeout, this, [this] { refresh(); });
}

PlayingApplicationList::~PlayingApplicationList()
{
    // No handler may reach a list half gone.
    m_watch.reset();
}

void PlayingApplicationList::watch()
{
    if (m_watchers++ > 0)
        return;
    const std::shared_ptr<PulseEngine> pulse = PulseEngine::shared(m_server);
    m_watch = std::make_unique<DeviceWatch>(pulse);
    {
        PulseEngine::Lock lock(*pulse);
        // A stream that changes (volume, pause) stays the same program's.
        m_watch->watch.onChange([this](int facility, int type, quint32) {
            if (facility == PA_SUBSCRIPTION_EVENT_SINK_INPUT && type != PA_SUBSCRIPTION_EVENT_CHANGE)
                sinkInputsChanged();
        });
        // Gone with the server, and read again once it is back.
        m_watch->watch.onConnection([this](bool) { sinkInputsChanged(); });
    }
    refresh();
}

void PlayingApplicationList::unwatch()
{
    if (m_watchers == 0 || --m_watchers > 0)
        return;
    m_watch.reset();
    m_refreshTimer.stop();
    ++m_queries;
    if (!m_applications.isEmpty()) {
        m_applications.clear();
        emit changed();
    }
}

void PlayingApplicationList::sinkInputsChanged()
{
    QMetaObject::invokeMethod(
        this, [this] { m_refreshTimer.start(); }, Qt::QueuedConnection);
}

QCoro::Task<> PlayingApplicationList::refresh()
{
    if (!m_watch)
        co_return;
    const std::weak_ptr<int> alive = m_alive;
    const quint64 question = ++m_queries;
    const std::shared_ptr<PulseEngine> pulse = m_watch->pulse;
    const auto inputs = co_await pulse->sinkInputs();
    if (alive.expired() || question != m_queries)
        co_return;
    // No answer from a server that is there: the list stands until the next change.
    if (!inputs && pulse->isConnected())
        co_return;
    const QList<PlayingApplication> applications = inputs ? applicationsIn(*inputs) : QList<PlayingApplication>();
    if (applications == m_applications)
        co_return;
    m_applications = applications;
    emit changed();
}

} // namespace tolvaran
