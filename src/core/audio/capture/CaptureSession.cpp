#include "CaptureSession.h"

#include "PcmFramer.h"
#include "audio/AudioCapture.h"
#include "audio/AudioCaptureError.h"

#include <QCoreApplication>
#include <QLoggingCategory>

#include <pulse/pulseaudio.h>

Q_DECLARE_LOGGING_CATEGORY(lcAudioCapture)

namespace tolvaran {

using namespace std::chrono_literals;

namespace {

// A player opens and closes a stream or two while it starts (GStreamer
// probes the output): the monitor comes back once ours stayed away this long.
constexpr auto ownPlaybackGoneDelay = 1s;

} // namespace

CaptureSession::CaptureSession(PulseEngine& engine, AudioCapture& output, PcmFramer& framer, std::function<void()> lost,
    Settings settings, CaptureClock::TimeSource now)
    : m_pulse(engine)
    , m_output(output)
    , m_framer(framer)
    , m_lost(std::move(lost))
    , m_settings(std::move(settings))
    , m_clock([this](const AudioBlock& buffer) { m_framer.frame(buffer); }, std::move(now))
    , m_clockTimer(engine, m_clock)
    , m_awayNotice(engine, m_settings.awayNoticeDelay,
          [this](bool isAway) {
              if (m_output.onSoundServerAway)
                  m_output.onSoundServerAway(isAway);
          })
    , m_watch(engine)
    , m_monitor(*this)
    , m_streams(*this)
{
    m_awayNotice.setReported(m_settings.isServerAway);
    m_readyPromise.start();
}

CaptureSession::~CaptureSession()
{
    PulseEngine::Lock lock(m_pulse);
    close();
}

void CaptureSession::close()
{
    m_isClosed = true;
    m_isRunning = false;
    m_watch.clear();
    m_awayNotice.cancel();
    m_pulse.cancelTimer(m_ownGoneTimer);
    m_clockTimer.stop();
    m_operations.cancelAll();
    m_monitor.close();
    m_streams.clear();
    reportReady(QCoreApplication::translate("CaptureSession", "the capture was stopped"));
}

QFuture<QString> CaptureSession::open(const std::weak_ptr<CaptureSession>& self)
{
    m_pulse.post([self](pa_context* context) {
        if (const auto session = self.lock())
            session->connect(context);
    });
    return m_readyPromise.future();
}

std::optional<quint64> CaptureSession::handOver()
{
    if (!m_isRunning)
        return std::nullopt;
    m_clock.deliverHeld();
    return m_clock.deliveredFrames();
}

void CaptureSession::connect(pa_context* context)
{
    if (m_isClosed)
        return;
    // A change of scope made while the sound server is away goes on in
    // silence and opens once the server is back, as the scope before it
    // would have; a first start reports that there is no server.
    const bool waitsForServer = !context;
    if (waitsForServer && !(m_settings.continuedFrames && m_pulse.willReconnect())) {
        reportReady(m_pulse.failureText());
        return;
    }
    if (isApplicationScope()) {
        connectApplications(waitsForServer);
        return;
    }
    const bool knowsMonitor = !waitsForServer && !m_settings.monitor.isEmpty();
    m_watch.onChange([this](int facility, int type, quint32 index) {
        // A new default output, or the first output after none.
        if (facility == PA_SUBSCRIPTION_EVENT_SERVER
            || (facility == PA_SUBSCRIPTION_EVENT_SINK && type == PA_SUBSCRIPTION_EVENT_NEW))
            m_monitor.followDefaultSink();
        else if (facility == PA_SUBSCRIPTION_EVENT_SINK_INPUT)
            inputChanged(type, index);
    });
    m_watch.onConnection([this](bool isConnected) { connectionChanged(isConnected); });
    if (knowsMonitor) {
        m_streams.list(true);
        return;
    }
    m_isRunning = true;
    startClock();
    reportReady({});
    if (waitsForServer)
        connectionChanged(false);
    else
        m_streams.list(true);
}

// Only the chosen application is heard: the stream runs (silent) at once
// and its playback streams join as they are found or appear.
void CaptureSession::connectApplications(bool waitsForServer)
{
    m_watch.onChange([this](int facility, int type, quint32 index) {
        if (facility == PA_SUBSCRIPTION_EVENT_SINK_INPUT)
            inputChanged(type, index);
    });
    m_watch.onConnection([this](bool isConnected) { connectionChanged(isConnected); });
    m_isRunning = true;
    startClock();
    reportReady({});
    reportApplicationPlaying();
    if (waitsForServer) {
        connectionChanged(false);
        return;
    }
    m_awayNotice.serverReached();
    m_streams.list();
}

// The monitor opens once this program's own streams are known, so that
// none of them is heard from it.
void CaptureSession::captureOutput()
{
    if (isApplicationScope() || m_excludesOwn || m_isClosed)
        return;
    if (m_hasReportedReady)
        m_monitor.followDefaultSink();
    else
        m_monitor.open(m_settings.monitor);
}

bool CaptureSession::takes(const PulseEngine::SinkInputInfo& input) const
{
    if (isApplicationScope())
        return !input.binary.isEmpty() && m_settings.applications.contains(input.binary);
    return m_excludesOwn && input.sink == m_followedSink;
}

void CaptureSession::ownStreamFound(quint32 sinkInput)
{
    if (!isApplicationScope() && m_ownInputs.insert(sinkInput).second)
        setExcludesOwn(true);
}

// While this program plays (a recording), the monitor would carry that
// too: all system audio is then taken stream by stream without ours, on
// the same clock, as at a change of scope.
void CaptureSession::setExcludesOwn(bool exclude)
{
    if (exclude == m_excludesOwn || isApplicationScope() || (m_hasReportedReady && !m_isRunning))
        return;
    if (m_isRunning)
        m_clock.deliverHeld();
    m_clock.dropHeld();
    m_streams.clear();
    m_monitor.close();
    if (m_isRunning)
        rebaseClock();
    m_excludesOwn = exclude;
    m_followedSink = PA_INVALID_INDEX;
    qCInfo(lcAudioCapture,
        exclude ? "This program plays: capturing every other stream on the output"
                : "This program no longer plays: capturing the output's monitor");
    if (!m_isRunning) {
        m_isRunning = true;
        startClock();
        reportReady({});
        m_awayNotice.serverReached();
    }
    m_monitor.followDefaultSink();
}

void CaptureSession::takeStreamsOn(quint32 sink)
{
    if (sink == m_followedSink)
        return;
    m_followedSink = sink;
    m_streams.keepOnly(sink);
    m_streams.list();
}

void CaptureSession::reportReady(const QString& error)
{
    if (m_hasReportedReady)
        return;
    m_hasReportedReady = true;
    m_readyPromise.addResult(error);
    m_readyPromise.finish();
}

// The sound server went away: the clock's silence keeps the stream to the
// translation server going, and the capture opens again on the default
// output once the server is back.
void CaptureSession::connectionChanged(bool isConnected)
{
    if (!m_isRunning)
        return;
    m_operations.cancelAll();
    if (isConnected) {
        if (!isApplicationScope()) {
            m_streams.list(true);
            return;
        }
        // Nothing has to open before capture counts as running again: the
        // application may not play yet.
        m_streams.list();
        m_awayNotice.serverReached();
        return;
    }
    m_monitor.close();
    m_streams.clear();
    // Our streams went with the server; the monitor opens on its return.
    m_ownInputs.clear();
    m_excludesOwn = false;
    reportApplicationPlaying();
    qCWarning(lcAudioCapture, "Audio capture waits for the sound server; sending silence");
    m_awayNotice.serverLost();
}

void CaptureSession::inputChanged(int type, quint32 index)
{
    if (type != PA_SUBSCRIPTION_EVENT_REMOVE) {
        // New, or changed: it may have moved to another sink.
        m_streams.ask(index);
        return;
    }
    if (m_streams.remove(index)) {
        qCInfo(lcAudioCapture, "The captured stream %u ended", index);
        reportApplicationPlaying();
    }
    if (m_ownInputs.erase(index) > 0 && m_ownInputs.empty()) {
        m_pulse.cancelTimer(m_ownGoneTimer);
        m_ownGoneTimer = m_pulse.startTimer(ownPlaybackGoneDelay, [this] {
            m_ownGoneTimer = nullptr;
            if (m_ownInputs.empty())
                setExcludesOwn(false);
        });
    }
}

// Tells whether any stream of the application is being captured, and the
// application's name.
void CaptureSession::reportApplicationPlaying()
{
    // Never empty for a captured stream: it names its executable at least.
    const QString name = isApplicationScope() ? m_streams.playingName() : QString();
    if (m_reportedPlaying == name)
        return;
    m_reportedPlaying = name;
    if (m_output.onApplicationPlaying)
        m_output.onApplicationPlaying(name);
}

void CaptureSession::reportLoss(const QString& message)
{
    if (!m_isRunning)
        return;
    m_isRunning = false;
    m_clockTimer.stop();
    m_awayNotice.cancel();
    m_watch.clear();
    m_lost();
    qCCritical(lcAudioCapture, "Audio capture lost: %s", qUtf8Printable(message));
    if (m_output.onError)
        m_output.onError(AudioCaptureError::captureFailure(message).errorDescription());
}

void CaptureSession::monitorReady()
{
    if (!m_hasReportedReady) {
        m_isRunning = true;
        startClock();
        reportReady({});
        m_awayNotice.serverReached();
        return;
    }
    qCInfo(lcAudioCapture, "Audio capture resumed on %s", qUtf8Printable(m_monitor.sourceName()));
    m_awayNotice.serverReached();
}

void CaptureSession::monitorEnded(const QString& reason, bool wasReady)
{
    if (!m_hasReportedReady) {
        reportReady(reason);
    } else if (wasReady) {
        reportLoss(QCoreApplication::translate("CaptureSession", "the system audio stream ended: %1").arg(reason));
    } else {
        // Opening again after a restart failed: silence goes on, and the
        // next output that appears is tried.
        qCWarning(lcAudioCapture, "Cannot capture again yet: %s", qUtf8Printable(reason));
    }
}

void CaptureSession::monitorRead(const qint16* samples, size_t count)
{
    m_clock.append(samples, count);
    // While the monitor delivers, the clock never has to wake.
    scheduleWake();
}

void CaptureSession::startClock()
{
    m_clock.start(m_settings.continuedFrames.value_or(m_clock.deliveredFrames()));
    m_clockTimer.start();
}

// A stream taken over goes on where it stood, counted from now as a new one is.
void CaptureSession::rebaseClock()
{
    m_clock.rebase();
    m_clockTimer.schedule();
}

void CaptureSession::scheduleWake()
{
    m_clockTimer.schedule();
}

} // namespace tolvaran
