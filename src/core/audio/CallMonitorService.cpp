#include "CallMonitorService.h"

#include <QCoroSignal>
#include <QLoggingCategory>
#include <QPointer>

#include <algorithm>
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

const QHash<QString, QString> CallMonitorService::callApplicationList{
    {QStringLiteral("teams"), QStringLiteral("Teams")},
    {QStringLiteral("ms-teams"), QStringLiteral("Teams")},
    {QStringLiteral("teams-for-linux"), QStringLiteral("Teams")},
    {QStringLiteral("zoom"), QStringLiteral("Zoom")},
    {QStringLiteral("zoom.real"), QStringLiteral("Zoom")},
    {QStringLiteral("slack"), QStringLiteral("Slack")},
    {QStringLiteral("Discord"), QStringLiteral("Discord")},
    {QStringLiteral("discord"), QStringLiteral("Discord")},
    {QStringLiteral("DiscordPTB"), QStringLiteral("Discord")},
    {QStringLiteral("DiscordCanary"), QStringLiteral("Discord")},
    {QStringLiteral("skypeforlinux"), QStringLiteral("Skype")},
    {QStringLiteral("skype"), QStringLiteral("Skype")},
    {QStringLiteral("webex"), QStringLiteral("Webex")},
    {QStringLiteral("CiscoCollabHost"), QStringLiteral("Webex")},
    {QStringLiteral("signal-desktop"), QStringLiteral("Signal")},
    {QStringLiteral("signal-desktop-beta"), QStringLiteral("Signal")},
    {QStringLiteral("element-desktop"), QStringLiteral("Element")},
    {QStringLiteral("element"), QStringLiteral("Element")},
    {QStringLiteral("telegram-desktop"), QStringLiteral("Telegram")},
    {QStringLiteral("Telegram"), QStringLiteral("Telegram")},
    {QStringLiteral("firefox"), QStringLiteral("Firefox")},
    {QStringLiteral("firefox-esr"), QStringLiteral("Firefox")},
    {QStringLiteral("firefox-bin"), QStringLiteral("Firefox")},
    {QStringLiteral("firefox.real"), QStringLiteral("Firefox")},
    {QStringLiteral("chromium"), QStringLiteral("Chromium")},
    {QStringLiteral("chromium-browser"), QStringLiteral("Chromium")},
    {QStringLiteral("chrome"), QStringLiteral("Chrome")},
    {QStringLiteral("google-chrome"), QStringLiteral("Chrome")},
    {QStringLiteral("google-chrome-stable"), QStringLiteral("Chrome")},
    {QStringLiteral("msedge"), QStringLiteral("Edge")},
    {QStringLiteral("microsoft-edge"), QStringLiteral("Edge")},
    {QStringLiteral("microsoft-edge-stable"), QStringLiteral("Edge")},
    {QStringLiteral("brave"), QStringLiteral("Brave")},
    {QStringLiteral("brave-browser"), QStringLiteral("Brave")},
    {QStringLiteral("vivaldi"), QStringLiteral("Vivaldi")},
    {QStringLiteral("vivaldi-bin"), QStringLiteral("Vivaldi")},
    {QStringLiteral("opera"), QStringLiteral("Opera")},
};

CallMonitorService::CallMonitorService(QObject* parent)
    : CallMonitorService(systemProbes(), parent)
{ }

CallMonitorService::CallMonitorService(Probes probes, QObject* parent)
    : QObject(parent)
    , m_probes(std::move(probes))
{
    m_changeTimer.setSingleShot(true);
    m_changeTimer.setInterval(changeSettleDelay);
    connect(&m_changeTimer, &QTimer::timeout, this, [this] { checkCallState(); });
    m_endTimer.setSingleShot(true);
    connect(&m_endTimer, &QTimer::timeout, this, [this] { checkCallState(); });
}

CallMonitorService::~CallMonitorService()
{
    // Nothing may come from the sound server's thread any more.
    if (m_isFollowingRecorders)
        m_probes.followRecorders(nullptr);
    // A check still asked of the sound server ends with nothing decided.
    emit checksDone();
}

CallMonitorService::Probes CallMonitorService::systemProbes(const std::optional<QString>& server)
{
    auto input = std::make_shared<DefaultInputProbe>(server);
    auto recorders = std::make_shared<MicrophoneRecorders>(server);
    return Probes{
        [] { return isProcessRunning(teamsProcessNames); },
        [input]() -> QCoro::Task<bool> { co_return co_await input->isDefaultInputInUse(); },
        [recorders]() -> QCoro::Task<std::optional<QList<MicrophoneRecorder>>> {
            co_return co_await recorders->recorders();
        },
        [recorders](std::function<void()> changed) { recorders->follow(std::move(changed)); },
    };
}

void CallMonitorService::setCallApplications(const QString& which)
{
    const bool teamsOnly = which == teamsCallApplications;
    if (teamsOnly == m_isTeamsOnly)
        return;
    m_isTeamsOnly = teamsOnly;
    // What was decided under the other rule no longer holds.
    ++m_generation;
    m_endTimer.stop();
    m_missingSince.reset();
    if (isRunning())
        checkCallState();
}

void CallMonitorService::setExtraCallApplications(const QStringList& names)
{
    QSet<QString> extra;
    for (const QString& name : names) {
        if (!name.trimmed().isEmpty())
            extra.insert(name.trimmed());
    }
    if (extra == m_extraApplications)
        return;
    m_extraApplications = extra;
    ++m_generation;
    if (isRunning())
        checkCallState();
}

void CallMonitorService::followCallApplication()
{
    ++m_followers;
    updateRunning();
}

void CallMonitorService::unfollowCallApplication()
{
    if (m_followers == 0)
        return;
    --m_followers;
    updateRunning();
}

void CallMonitorService::startMonitoring()
{
    if (m_isMonitoring)
        return;
    ++m_generation;
    setMonitoring(true);
    setCallActive(false);
    qCInfo(lcCallMonitor, "Call monitoring started");
    updateRunning();
}

void CallMonitorService::stopMonitoring()
{
    ++m_generation;
    setMonitoring(false);
    updateRunning();
    if (m_isCallActive) {
        setCallActive(false);
        emit callStateChanged(false);
    }
    qCInfo(lcCallMonitor, "Call monitoring stopped");
}

// The checks run while anyone needs them: the timer, the sound server's
// changes and the end of a call that may yet come back.
void CallMonitorService::updateRunning()
{
    if (!isRunning()) {
        if (m_timer) {
            // May run inside the timer's own check.
            m_timer->stop();
            m_timer->deleteLater();
            m_timer = nullptr;
        }
        m_changeTimer.stop();
        m_endTimer.stop();
        if (m_isFollowingRecorders) {
            m_isFollowingRecorders = false;
            m_probes.followRecorders(nullptr);
        }
        setCallApplication({}, {});
        m_missingSince.reset();
        return;
    }
    if (!m_isFollowingRecorders && m_probes.followRecorders) {
        m_isFollowingRecorders = true;
        m_probes.followRecorders([monitor = this] {
            QMetaObject::invokeMethod(
                monitor, [monitor] { monitor->m_changeTimer.start(); }, Qt::QueuedConnection);
        });
    }
    if (!m_timer) {
        m_timer = new QTimer(this);
        m_timer->setInterval(pollingIntervalMs);
        connect(m_timer, &QTimer::timeout, this, [monitor = QPointer(this)] {
            if (monitor)
                monitor->checkCallState();
        });
        m_timer->start();
    }
    checkCallState();
}

QCoro::Task<> CallMonitorService::checkCallState()
{
    if (m_isChecking) {
        m_isCheckDue = true;
        // Finishes with the check that comes after the running one.
        co_await qCoro(this, &CallMonitorService::checksDone);
        co_return;
    }
    m_isChecking = true;
    const QPointer<CallMonitorService> self(this);
    do {
        m_isCheckDue = false;
        const quint64 generation = m_generation;
        Decision decision;
        if (m_isTeamsOnly)
            decision = co_await decideForTeams();
        else
            decision = co_await decideForAny();
        if (!self)
            co_return;
        if (generation != m_generation) {
            // Started again, or what counts changed: decided anew if needed.
            m_isCheckDue = m_isCheckDue || isRunning();
            continue;
        }
        if (!isRunning())
            break;
        setCallApplication(decision.binary, decision.isActive ? decision.name : QString());
        const bool active = m_isMonitoring && decision.isActive;
        if (active == m_isCallActive)
            continue;
        setCallActive(active);
        qCInfo(lcCallMonitor, "Call state changed: active=%s (%s)", text(active), qUtf8Printable(decision.reason));
        emit callStateChanged(active);
    } while (m_isCheckDue);
    m_isChecking = false;
    emit checksDone();
}

QCoro::Task<CallMonitorService::Decision> CallMonitorService::decideForTeams()
{
    const bool teams = m_probes.isTeamsRunning ? m_probes.isTeamsRunning() : false;
    bool mic = false;
    if (m_probes.isMicrophoneInUse)
        mic = co_await m_probes.isMicrophoneInUse();
    co_return Decision{teams && mic, QString(), QStringLiteral("Teams"),
        QStringLiteral("teams=%1, mic=%2").arg(QLatin1String(text(teams)), QLatin1String(text(mic)))};
}

QCoro::Task<CallMonitorService::Decision> CallMonitorService::decideForAny()
{
    const QPointer<CallMonitorService> self(this);
    // No answer from the sound server counts as no microphone in use.
    std::optional<QList<MicrophoneRecorder>> recorders;
    if (m_probes.microphoneRecorders)
        recorders = co_await m_probes.microphoneRecorders();
    if (!self)
        co_return Decision{};
    QList<MicrophoneRecorder> calls;
    if (recorders) {
        for (const MicrophoneRecorder& recorder : std::as_const(*recorders)) {
            if (isCallApplication(recorder.binary))
                calls.append(recorder);
        }
    }
    const auto now = std::chrono::steady_clock::now();
    if (!calls.isEmpty()) {
        m_missingSince.reset();
        m_endTimer.stop();
        // The application that holds the call keeps it while it records.
        auto holder = std::find_if(calls.begin(), calls.end(),
            [this](const MicrophoneRecorder& recorder) { return recorder.binary == m_callApplication; });
        if (holder == calls.end())
            holder = calls.begin();
        const QString name = callApplicationList.value(
            holder->binary, holder->applicationName.isEmpty() ? holder->binary : holder->applicationName);
        co_return Decision{true, holder->binary, name, QStringLiteral("application=%1").arg(holder->binary)};
    }
    const QString ended = m_callApplication;
    // The server tells of a closed stream at once: it went about now.
    if (!ended.isEmpty() && !m_missingSince)
        m_missingSince = now;
    if (!ended.isEmpty() && now < *m_missingSince + endDelay) {
        // It may reopen its stream: asked again when the wait is over.
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(*m_missingSince + endDelay - now);
        if (!m_endTimer.isActive())
            m_endTimer.start(left);
        co_return Decision{true, ended, m_callApplicationName, QStringLiteral("application=%1").arg(ended)};
    }
    m_missingSince.reset();
    co_return Decision{false, QString(), QString(), QStringLiteral("application=%1").arg(ended)};
}

bool CallMonitorService::isCallApplication(const QString& binary) const
{
    return !binary.isEmpty() && (callApplicationList.contains(binary) || m_extraApplications.contains(binary));
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

void CallMonitorService::setCallApplication(const QString& binary, const QString& name)
{
    if (binary == m_callApplication && name == m_callApplicationName)
        return;
    m_callApplication = binary;
    m_callApplicationName = name;
    emit callApplicationChanged();
}

} // namespace tolvaran
