#include "AudioCaptureService.h"

#include "PulseEngine.h"
#include "audio/capture/CaptureSession.h"
#include "audio/capture/DeviceWatch.h"
#include "audio/capture/MicrophoneList.h"
#include "audio/capture/PcmFramer.h"
#include "audio/capture/PlayingApplicationList.h"

#include <QCoreApplication>
#include <QCoroFuture>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcAudioCapture, "com.tolvaran.app.AudioCapture")

namespace tolvaran {

static_assert(AudioCaptureService::micChangesSettleDelay == DeviceWatch::settleDelay);

AudioCaptureService::AudioCaptureService(std::optional<QString> server)
    : m_server(std::move(server))
    , m_micEngine(m_server)
    , m_framer(std::make_unique<PcmFramer>(*this, m_micEngine))
    , m_microphones(std::make_unique<MicrophoneList>(m_server))
    , m_applications(std::make_unique<PlayingApplicationList>(m_server))
{
    connect(m_microphones.get(), &MicrophoneList::changed, this, &AudioCapture::micDevicesChanged);
    connect(m_applications.get(), &PlayingApplicationList::changed, this, &AudioCapture::playingApplicationsChanged);
}

AudioCaptureService::~AudioCaptureService()
{
    m_microphones.reset();
    m_applications.reset();
    stopCapture();
    m_micEngine.stopEngine();
}

QCoro::Task<std::optional<AudioCaptureError>> AudioCaptureService::startCapture()
{
    if (m_isCapturing)
        co_return std::nullopt;
    // What a lost capture left behind.
    stopCapture();
    const quint64 generation = m_generation;
    const std::weak_ptr<int> alive = m_alive;
    const auto overtaken = [&] { return alive.expired() || m_generation != generation; };
    const auto stopped = AudioCaptureError::captureFailure(
        QCoreApplication::translate("AudioCaptureService", "the capture was stopped while starting"));

    if (auto failure = co_await openSession(std::nullopt))
        co_return failure;
    if (overtaken())
        co_return stopped;
    m_isCapturing = true;
    // Another scope chosen while this one started.
    if (applicationsOf(m_captureScope) != m_session->applications())
        changeScope();
    if (isMicEnabled()) {
        qCInfo(lcAudioCapture, "Starting mic engine...");
        co_await m_micEngine.startEngine();
        // A change of scope meanwhile is no reason to fail: capture runs.
        if (overtaken())
            co_return stopped;
        qCInfo(lcAudioCapture, "Mic engine started, isEnabled=%s", isMicEnabled() ? "true" : "false");
    }
    qCInfo(lcAudioCapture, "Audio capture started successfully");
    co_return std::nullopt;
}

QCoro::Task<std::optional<AudioCaptureError>> AudioCaptureService::openSession(
    std::optional<quint64> continuedFrames, bool isServerAway)
{
    const quint64 generation = m_generation;
    const quint64 change = m_scopeChanges;
    const std::weak_ptr<int> alive = m_alive;
    const auto overtaken = [&] { return alive.expired() || m_generation != generation || m_scopeChanges != change; };
    const auto stopped = AudioCaptureError::captureFailure(
        QCoreApplication::translate("AudioCaptureService", "the capture was stopped while starting"));

    const std::shared_ptr<PulseEngine> pulse = PulseEngine::shared(m_server);
    const auto server = co_await pulse->serverInfo();
    if (overtaken())
        co_return stopped;
    // A change-over carries on while the server is away: the session waits
    // for it (or tells why not).
    if (!server && !continuedFrames) {
        const QString reason = pulse->failureText();
        co_return AudioCaptureError::captureFailure(reason.isEmpty()
                ? QCoreApplication::translate("AudioCaptureService", "the sound server did not answer")
                : reason);
    }
    const QString scope = m_captureScope;
    const QSet<QString> applications = applicationsOf(scope);
    std::optional<PulseEngine::SinkInfo> sink;
    // One application needs no output of its own: it is recorded wherever it plays.
    if (server && applications.isEmpty()) {
        if (server->defaultSinkName.isEmpty())
            co_return AudioCaptureError::noDefaultOutput();
        sink = co_await pulse->sink(server->defaultSinkName);
        if (overtaken())
            co_return stopped;
        if (!sink || sink->monitorSourceName.isEmpty())
            co_return AudioCaptureError::noDefaultOutput();
    }

    qCInfo(lcAudioCapture, "Starting audio capture (%s)...", qUtf8Printable(scope));
    if (!continuedFrames)
        m_framer->restart();
    // The panel's notice stands until the new session reaches the server.
    auto session = std::make_shared<CaptureSession>(
        *pulse, *this, *m_framer, [this] { m_isCapturing = false; },
        CaptureSession::Settings{sink ? sink->monitorSourceName : QString(), applications, m_awayNoticeDelay,
            continuedFrames, isServerAway});
    m_pulse = pulse;
    m_session = session;
    const QString failure = co_await session->open(session);
    if (overtaken())
        co_return stopped;
    if (!failure.isEmpty()) {
        m_session.reset();
        co_return AudioCaptureError::captureFailure(failure);
    }
    co_return std::nullopt;
}

QCoro::Task<> AudioCaptureService::changeScope()
{
    // A change still under way is overtaken by this one; a stop overtakes it.
    const quint64 change = ++m_scopeChanges;
    const quint64 generation = m_generation;
    const std::weak_ptr<int> alive = m_alive;
    // A change-over still opening hands on what it was given.
    std::optional<quint64> frames = m_changeoverFrames;
    bool wasAway = false;
    if (m_session) {
        PulseEngine::Lock lock(*m_pulse);
        // What the old session holds goes out before it ends, and nothing
        // of it after the new one took its stream over.
        if (const auto delivered = m_session->handOver())
            frames = delivered;
        wasAway = m_session->isAwayReported();
        m_session->close();
    }
    m_session.reset();
    m_changeoverFrames = frames;
    qCInfo(lcAudioCapture, "Capture changes over to %s", qUtf8Printable(m_captureScope));
    const auto failure = co_await openSession(frames, wasAway);
    if (alive.expired() || m_generation != generation || m_scopeChanges != change)
        co_return;
    m_changeoverFrames.reset();
    if (failure) {
        m_isCapturing = false;
        qCCritical(lcAudioCapture, "Audio capture lost: %s", qUtf8Printable(failure->errorDescription()));
        if (onError)
            onError(failure->errorDescription());
        if (wasAway && onSoundServerAway)
            onSoundServerAway(false);
    }
}

void AudioCaptureService::stopCapture()
{
    ++m_generation;
    m_changeoverFrames.reset();
    // Between two sessions of a change-over there is none, yet capture runs.
    const bool wasCapturing = m_isCapturing.exchange(false);
    if (!m_session && !wasCapturing)
        return;
    m_micEngine.stopEngine();
    if (m_session) {
        // Nothing of it may reach the callbacks any more, even while a
        // start still holds it.
        PulseEngine::Lock lock(*m_pulse);
        m_session->close();
    }
    m_session.reset();
}

void AudioCaptureService::setCaptureScope(const QString& scope)
{
    if (scope == m_captureScope)
        return;
    m_captureScope = scope;
    // A user who narrows the capture mid-call means from now on: nothing
    // of the rest may go on reaching the server.
    if (m_isCapturing)
        changeScope();
}

void AudioCaptureService::setCallApplications(const QSet<QString>& executableNames)
{
    if (executableNames == m_callApplications)
        return;
    const QSet<QString> before = applicationsOf(m_captureScope);
    m_callApplications = executableNames;
    // The call moved to another application: its streams are taken instead.
    if (m_isCapturing && applicationsOf(m_captureScope) != before)
        changeScope();
}

QSet<QString> AudioCaptureService::applicationsOf(const QString& scope) const
{
    if (scope == QLatin1String("callApp"))
        return m_callApplications.isEmpty() ? QSet<QString>{QString()} : m_callApplications;
    if (scope.startsWith(QLatin1String("app:")) && scope.size() > 4)
        return {scope.mid(4)};
    return {};
}

QString AudioCaptureService::capturedSourceName() const
{
    const std::shared_ptr<CaptureSession> session = m_session;
    return session ? session->sourceName() : QString();
}

QCoro::Task<bool> AudioCaptureService::checkPermission()
{
    const std::shared_ptr<PulseEngine> pulse = PulseEngine::shared(m_server);
    const auto server = co_await pulse->serverInfo();
    if (!server || server->defaultSinkName.isEmpty())
        co_return false;
    const auto sink = co_await pulse->sink(server->defaultSinkName);
    co_return sink && !sink->monitorSourceName.isEmpty();
}

void AudioCaptureService::startMicEngine()
{
    qCInfo(lcAudioCapture, "Starting mic engine...");
    [](MicEngine& micEngine, std::weak_ptr<int> alive) -> QCoro::Task<> {
        co_await micEngine.startEngine();
        if (!alive.expired())
            qCInfo(lcAudioCapture, "Mic engine started, isEnabled=%s", micEngine.isEnabled() ? "true" : "false");
    }(m_micEngine, m_alive);
}

void AudioCaptureService::stopMicEngine()
{
    m_micEngine.stopEngine();
}

QCoro::Task<bool> AudioCaptureService::checkMicPermission()
{
    const std::shared_ptr<PulseEngine> pulse = PulseEngine::shared(m_server);
    co_return (co_await pulse->serverInfo()).has_value();
}

QCoro::Task<> AudioCaptureService::refreshMicDevices()
{
    return m_microphones->refresh();
}

QList<MicDevice> AudioCaptureService::availableMicDevices() const
{
    return m_microphones->devices();
}

void AudioCaptureService::watchPlayingApplications()
{
    m_applications->watch();
}

void AudioCaptureService::unwatchPlayingApplications()
{
    m_applications->unwatch();
}

QList<PlayingApplication> AudioCaptureService::playingApplications() const
{
    return m_applications->applications();
}

} // namespace tolvaran
