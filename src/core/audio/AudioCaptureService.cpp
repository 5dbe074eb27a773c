#include "AudioCaptureService.h"

#include "AudioResampler.h"
#include "CallMonitorService.h"
#include "PulseEngine.h"
#include "PulseRecordStream.h"
#include "model/ServerIdentity.h"

#include <QCoreApplication>
#include <QCoroFuture>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QPromise>

#include <map>
#include <mutex>
#include <pulse/pulseaudio.h>
#include <set>
#include <vector>

Q_LOGGING_CATEGORY(lcAudioCapture, "com.tolvaran.app.AudioCapture")

namespace tolvaran {

using namespace std::chrono_literals;

namespace {

constexpr pa_usec_t bufferUsec = 20 * PA_USEC_PER_MSEC;
constexpr size_t bufferSamples
    = size_t(AudioCaptureService::captureBufferFrames) * AudioCaptureService::captureChannels;
// Buffers handed on at once (100 ms, the piece streaming recognisers are
// usually fed): the main thread wakes ten times a second for audio instead
// of fifty, for 80 ms of delay.
constexpr size_t fragmentBuffers = 5;
// How far the monitor may lag behind the clock before silence stands in for
// it; above its usual delivery delay, so real audio is not pre-empted.
constexpr quint64 lagFrames = (fragmentBuffers + 2) * AudioCaptureService::captureBufferFrames;
// A burst beyond this lead over the clock would make the stream run ahead
// of real time; it is dropped.
constexpr quint64 maxLeadFrames = 10 * AudioCaptureService::captureBufferFrames;
// An application's stream that has given nothing for this long (paused,
// corked) no longer holds back the mix of the others.
constexpr pa_usec_t idleUsec = 2 * fragmentBuffers * bufferUsec;
// A player opens and closes a stream or two while it starts (GStreamer
// probes the output): the monitor comes back once ours stayed away this long.
constexpr auto ownPlaybackGoneDelay = 1s;

void appendUInt32(QByteArray& bytes, quint32 value)
{
    for (int shift = 0; shift < 32; shift += 8)
        bytes.append(char((value >> shift) & 0xFF));
}

void appendUInt16(QByteArray& bytes, quint16 value)
{
    bytes.append(char(value & 0xFF));
    bytes.append(char((value >> 8) & 0xFF));
}

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

// One running capture: the monitor stream, the clock that keeps the outgoing
// stream in real time, and the watches on the default sink and on the
// connection. Lives on the pulse thread: everything but construction runs
// there or under its lock.
struct AudioCaptureService::Session final : PulseRecordStream::Listener
{
    Session(AudioCaptureService* owner, PulseEngine* engine, QString sink, QString monitor,
        std::chrono::milliseconds awayNotice, QSet<QString> applicationBinaries)
        : service(owner)
        , pulse(engine)
        , sinkName(std::move(sink))
        , firstSource(std::move(monitor))
        , awayNoticeDelay(awayNotice)
        , applications(std::move(applicationBinaries))
        , stream(*engine, *this, "System audio", PulseRecordStream::Kind::monitor,
              quint32(fragmentBuffers * captureBufferFrames))
        , watch(*engine)
    {
        readyPromise.start();
    }

    ~Session()
    {
        PulseEngine::Lock lock(*pulse);
        close();
    }

    // Under the lock: afterwards nothing reaches the service any more.
    void close()
    {
        isClosed = true;
        isRunning = false;
        watch.clear();
        pulse->cancelTimer(awayTimer);
        pulse->cancelTimer(ownGoneTimer);
        stopClock();
        operations.cancelAll();
        stream.close();
        inputs.clear();
        reportReady(QStringLiteral("the capture was stopped"));
    }

    // Posts the stream's creation; the future gives an error text, empty
    // once the stream runs.
    QFuture<QString> open(const std::weak_ptr<Session>& self)
    {
        pulse->post([self](pa_context* context) {
            if (const auto session = self.lock())
                session->connect(context);
        });
        return readyPromise.future();
    }

    void connect(pa_context* context)
    {
        if (isClosed)
            return;
        // A change of scope made while the sound server is away goes on in
        // silence and opens once the server is back, as the scope before it
        // would have; a first start reports that there is no server.
        const bool waitsForServer = !context;
        if (waitsForServer && !(continued && pulse->willReconnect())) {
            reportReady(pulse->failureText());
            return;
        }
        if (isApplicationScope()) {
            connectApplications(waitsForServer);
            return;
        }
        const bool knowsMonitor = !waitsForServer && !firstSource.isEmpty();
        watch.onChange([this](int facility, int type, quint32 index) {
            // A new default output, or the first output after none.
            if (facility == PA_SUBSCRIPTION_EVENT_SERVER
                || (facility == PA_SUBSCRIPTION_EVENT_SINK && type == PA_SUBSCRIPTION_EVENT_NEW))
                followDefaultSink();
            else if (facility == PA_SUBSCRIPTION_EVENT_SINK_INPUT)
                inputChanged(type, index);
        });
        watch.onConnection([this](bool isConnected) { connectionChanged(isConnected); });
        if (knowsMonitor) {
            listInputs(true);
            return;
        }
        isRunning = true;
        startClock();
        reportReady({});
        if (waitsForServer)
            connectionChanged(false);
        else
            listInputs(true);
    }

    // The monitor opens once this program's own streams are known, so that
    // none of them is heard from it.
    void captureOutput()
    {
        if (isApplicationScope() || excludesOwn || isClosed)
            return;
        if (hasReportedReady)
            followDefaultSink();
        else
            stream.open(firstSource);
    }

    // While this program plays (a recording), the monitor would carry that
    // too: all system audio is then taken stream by stream without ours, on
    // the same clock, as at a change of scope.
    void setExcludesOwn(bool exclude)
    {
        if (exclude == excludesOwn || isApplicationScope() || (hasReportedReady && !isRunning))
            return;
        if (isRunning)
            deliverPending();
        pending.clear();
        inputs.clear();
        stream.close();
        if (isRunning)
            rebaseClock();
        excludesOwn = exclude;
        followedSink = PA_INVALID_INDEX;
        qCInfo(lcAudioCapture,
            exclude ? "This program plays: capturing every other stream on the output"
                    : "This program no longer plays: capturing the output's monitor");
        if (!isRunning) {
            isRunning = true;
            startClock();
            reportReady({});
            endAwayNotice();
        }
        followDefaultSink();
    }

    // Meanwhile the streams on the default output are taken, wherever it goes.
    void takeStreamsOn(const pa_sink_info& sink)
    {
        sinkName = QString::fromUtf8(sink.name);
        if (sink.index == followedSink)
            return;
        followedSink = sink.index;
        std::erase_if(inputs, [this](const auto& entry) { return entry.second->sink != followedSink; });
        listInputs();
    }

    void reportReady(const QString& error)
    {
        if (hasReportedReady)
            return;
        hasReportedReady = true;
        readyPromise.addResult(error);
        readyPromise.finish();
    }

    bool track(pa_operation* operation) { return operations.track(operation); }

    // The sound server went away: the clock's silence keeps the stream to
    // the translation server going, and the capture opens again on the
    // default output once the server is back.
    void connectionChanged(bool isConnected)
    {
        if (!isRunning)
            return;
        operations.cancelAll();
        if (isConnected) {
            if (!isApplicationScope()) {
                listInputs(true);
                return;
            }
            // Nothing has to open before capture counts as running again:
            // the application may not play yet.
            listInputs();
            endAwayNotice();
            return;
        }
        stream.close();
        inputs.clear();
        // Our streams went with the server; the monitor opens on its return.
        ownInputs.clear();
        excludesOwn = false;
        reportApplicationPlaying();
        qCWarning(lcAudioCapture, "Audio capture waits for the sound server; sending silence");
        if (!awayTimer && !isAwayReported) {
            awayTimer = pulse->startTimer(awayNoticeDelay, [this] {
                awayTimer = nullptr;
                isAwayReported = true;
                qCWarning(lcAudioCapture, "The sound server has been away for %.1f s; still trying",
                    double(awayNoticeDelay.count()) / 1000);
                if (service->onSoundServerAway)
                    service->onSoundServerAway(true);
            });
        }
    }

    // The default sink may have changed, the server moved the stream (its
    // source went away) or came back: the stream moves to, or opens on, the
    // default sink's monitor, and the clock's silence covers the gap.
    void followDefaultSink()
    {
        track(pa_context_get_server_info(
            pulse->context(),
            [](pa_context* context, const pa_server_info* info, void* userdata) {
                auto* session = static_cast<Session*>(userdata);
                if (!info || !info->default_sink_name || !*info->default_sink_name)
                    return;
                session->track(pa_context_get_sink_info_by_name(
                    context, info->default_sink_name,
                    [](pa_context* c, const pa_sink_info* sink, int eol, void* data) {
                        if (eol != 0 || !sink)
                            return;
                        static_cast<Session*>(data)->moveTo(c, *sink);
                    },
                    session));
            },
            this));
    }

    void moveTo(pa_context* context, const pa_sink_info& sink)
    {
        if (!sink.monitor_source_name || !isRunning)
            return;
        if (excludesOwn) {
            takeStreamsOn(sink);
            return;
        }
        const QString monitor = QString::fromUtf8(sink.monitor_source_name);
        if (!stream.isOpen()) {
            sinkName = QString::fromUtf8(sink.name);
            qCInfo(lcAudioCapture, "Capturing %s again", qUtf8Printable(monitor));
            stream.open(monitor);
            return;
        }
        if (!stream.isReady() || monitor == stream.sourceName())
            return;
        sinkName = QString::fromUtf8(sink.name);
        qCInfo(lcAudioCapture, "Default output is now %s; capturing %s", qUtf8Printable(sinkName),
            qUtf8Printable(monitor));
        // The name changes once the server reports the move (streamMoved):
        // the monitor may be gone before the request arrives.
        track(pa_context_move_source_output_by_name(
            context, stream.index(), sink.monitor_source_name,
            [](pa_context* c, int success, void*) {
                if (!success)
                    qCWarning(lcAudioCapture, "Cannot follow the default output: %s", pa_strerror(pa_context_errno(c)));
            },
            nullptr));
    }

    bool isApplicationScope() const { return !applications.isEmpty(); }

    // One application's playback stream (sink input), recorded alone from
    // its sink's monitor and mixed with the application's other streams.
    struct InputStream final : PulseRecordStream::Listener
    {
        InputStream(Session& owner, quint32 input)
            : session(owner)
            , sinkInput(input)
            , stream(*owner.pulse, *this, "Application audio", PulseRecordStream::Kind::monitor,
                  quint32(fragmentBuffers * captureBufferFrames))
        { }

        void streamReady() override
        {
            lastRead = pa_rtclock_now();
            session.reportApplicationPlaying();
        }

        // The server ends such a stream when its input moves to another
        // sink: the input is asked again and followed there. Never erased
        // here: this runs inside the stream's own callback.
        void streamEnded(const QString& reason, bool wasReady) override
        {
            session.reportApplicationPlaying();
            if (!wasReady) {
                qCWarning(lcAudioCapture, "Cannot capture the application's stream %u: %s", sinkInput,
                    qUtf8Printable(reason));
                return;
            }
            session.askInput(sinkInput);
        }

        void samplesRead(const float* samples, size_t count) override
        {
            lastRead = pa_rtclock_now();
            session.mixIn(*this, samples, count);
        }

        bool isLive(pa_usec_t now) const { return stream.isReady() && now < lastRead + idleUsec; }

        Session& session;
        const quint32 sinkInput;
        QString name;
        quint32 sink = PA_INVALID_INDEX;
        // Where its next sample goes in pending.
        size_t written = 0;
        pa_usec_t lastRead = 0;
        PulseRecordStream stream;
    };

    // Only the chosen application is heard: the stream runs (silent) at once
    // and its playback streams join as they are found or appear.
    void connectApplications(bool waitsForServer)
    {
        watch.onChange([this](int facility, int type, quint32 index) {
            if (facility == PA_SUBSCRIPTION_EVENT_SINK_INPUT)
                inputChanged(type, index);
        });
        watch.onConnection([this](bool isConnected) { connectionChanged(isConnected); });
        isRunning = true;
        startClock();
        reportReady({});
        reportApplicationPlaying();
        if (waitsForServer) {
            connectionChanged(false);
            return;
        }
        endAwayNotice();
        listInputs();
    }

    void inputChanged(int type, quint32 index)
    {
        if (type != PA_SUBSCRIPTION_EVENT_REMOVE) {
            // New, or changed: it may have moved to another sink.
            askInput(index);
            return;
        }
        if (inputs.erase(index) > 0) {
            qCInfo(lcAudioCapture, "The captured stream %u ended", index);
            reportApplicationPlaying();
        }
        if (ownInputs.erase(index) > 0 && ownInputs.empty()) {
            pulse->cancelTimer(ownGoneTimer);
            ownGoneTimer = pulse->startTimer(ownPlaybackGoneDelay, [this] {
                ownGoneTimer = nullptr;
                if (ownInputs.empty())
                    setExcludesOwn(false);
            });
        }
    }

    // thenCaptureOutput: the system audio's monitor may open once the list is in.
    void listInputs(bool thenCaptureOutput = false)
    {
        const auto then = thenCaptureOutput ? &Session::onInputListThenCapture : &Session::onInputInfo;
        if (!track(pa_context_get_sink_input_info_list(pulse->context(), then, this)) && thenCaptureOutput)
            captureOutput();
    }

    static void onInputListThenCapture(pa_context* context, const pa_sink_input_info* info, int eol, void* userdata)
    {
        if (eol == 0)
            onInputInfo(context, info, eol, userdata);
        else
            static_cast<Session*>(userdata)->captureOutput();
    }

    // An application scope's streams wherever they play; all system audio's
    // (while ours play) on the default output.
    bool takes(const PulseEngine::SinkInputInfo& input) const
    {
        if (isApplicationScope())
            return !input.binary.isEmpty() && applications.contains(input.binary);
        return excludesOwn && input.sink == followedSink;
    }

    void askInput(quint32 index)
    {
        track(pa_context_get_sink_input_info(pulse->context(), index, &Session::onInputInfo, this));
    }

    static void onInputInfo(pa_context* context, const pa_sink_input_info* info, int eol, void* userdata)
    {
        if (eol != 0 || !info)
            return;
        auto* session = static_cast<Session*>(userdata);
        const PulseEngine::SinkInputInfo about = PulseEngine::sinkInputInfo(*info);
        // Never captured, whatever the scope.
        if (about.isOwn()) {
            if (!session->isApplicationScope() && session->ownInputs.insert(info->index).second)
                session->setExcludesOwn(true);
            return;
        }
        const QString& binary = about.binary;
        if (!session->isRunning || !session->takes(about)) {
            // It moved off the default output.
            if (session->inputs.erase(info->index) > 0)
                session->reportApplicationPlaying();
            return;
        }
        auto& input = session->inputs[info->index];
        if (!input) {
            input = std::make_unique<InputStream>(*session, info->index);
            input->name = about.applicationName.isEmpty() ? binary : about.applicationName;
            qCInfo(lcAudioCapture, "Capturing %s's stream %u", qUtf8Printable(input->name), info->index);
        }
        if (input->stream.isOpen() && input->sink == info->sink)
            return;
        if (input->sink != PA_INVALID_INDEX && input->sink != info->sink)
            qCInfo(lcAudioCapture, "Following %s's stream %u to output %u", qUtf8Printable(binary), info->index,
                info->sink);
        input->stream.close();
        input->sink = info->sink;
        session->track(pa_context_get_sink_info_by_index(context, info->sink, &Session::onInputSink, session));
    }

    // Every input waiting for this sink opens on its monitor.
    static void onInputSink(pa_context*, const pa_sink_info* sink, int eol, void* userdata)
    {
        if (eol != 0 || !sink || !sink->monitor_source_name)
            return;
        auto* session = static_cast<Session*>(userdata);
        for (auto& [index, input] : session->inputs) {
            if (input->sink == sink->index && !input->stream.isOpen()) {
                input->written = 0;
                input->stream.open(QString::fromUtf8(sink->monitor_source_name), index);
            }
        }
    }

    // Tells whether any stream of the application is being captured, and
    // the application's name.
    void reportApplicationPlaying()
    {
        // Never empty for a captured stream: it names its executable at least.
        QString name;
        for (const auto& entry : inputs) {
            if (isApplicationScope() && entry.second->stream.isOpen()) {
                name = entry.second->name;
                break;
            }
        }
        if (reportedPlaying == name)
            return;
        reportedPlaying = name;
        if (service->onApplicationPlaying)
            service->onApplicationPlaying(name);
    }

    // Adds an application stream's samples at its own place in the mix, and
    // hands on what every live stream has given.
    void mixIn(InputStream& input, const float* samples, size_t count)
    {
        if (pending.size() < input.written + count)
            pending.resize(input.written + count, 0.0f);
        if (samples) {
            for (size_t i = 0; i < count; ++i)
                pending[input.written + i] += samples[i];
        }
        input.written += count;
        isFilling = false;
        const pa_usec_t now = pa_rtclock_now();
        size_t ready = pending.size();
        for (const auto& entry : inputs) {
            if (entry.second->isLive(now))
                ready = std::min(ready, entry.second->written);
        }
        if (ready >= fragmentBuffers * bufferSamples)
            deliverPending(ready);
        if (clock)
            pa_context_rttime_restart(pulse->context(), clock, nextSilenceDue());
    }

    void startClock()
    {
        if (continued)
            deliveredFrames = continued->deliveredFrames;
        rebaseClock();
        clock = pa_context_rttime_new(pulse->context(), nextSilenceDue(), &Session::onClock, this);
        if (!clock)
            qCWarning(lcAudioCapture, "No capture clock: silence will not stand in for a silent monitor");
    }

    // A stream taken over goes on where it stood, counted from now as a new
    // one is. Neither the old stream's lead nor its lag behind the clock is
    // carried over: its lag would leave the new stream's own start-up delay
    // no room, and the clock would stand in for it with silence over and over.
    void rebaseClock()
    {
        const pa_usec_t now = pa_rtclock_now();
        const pa_usec_t delivered = deliveredFrames * PA_USEC_PER_SEC / quint64(captureSampleRate);
        startTime = now > delivered ? now - delivered : 0;
        if (clock)
            pa_context_rttime_restart(pulse->context(), clock, nextSilenceDue());
    }

    void stopClock()
    {
        if (clock) {
            pa_threaded_mainloop_get_api(pulse->mainloop())->time_free(clock);
            clock = nullptr;
        }
    }

    quint64 framesDue() const
    {
        const pa_usec_t now = pa_rtclock_now();
        return now > startTime ? (now - startTime) * quint64(captureSampleRate) / PA_USEC_PER_SEC : 0;
    }

    quint64 heldFrames() const { return pending.size() / size_t(captureChannels); }

    // When the clock will have to fill in, should the monitor stay silent.
    pa_usec_t nextSilenceDue() const
    {
        const quint64 frames = deliveredFrames + heldFrames() + captureBufferFrames + lagFrames;
        return startTime + frames * PA_USEC_PER_SEC / quint64(captureSampleRate);
    }

    void deliver(const float* samples)
    {
        if (deliveredFrames > framesDue() + maxLeadFrames)
            return;
        deliveredFrames += captureBufferFrames;
        service->handleCapturedBuffer({samples, qsizetype(bufferSamples), captureChannels, captureSampleRate});
    }

    // Hands on the whole buffers of the first limit samples.
    void deliverPending(size_t limit = SIZE_MAX)
    {
        const size_t available = std::min(limit, pending.size());
        size_t offset = 0;
        while (available - offset >= bufferSamples) {
            deliver(pending.data() + offset);
            offset += bufferSamples;
        }
        pending.erase(pending.begin(), pending.begin() + qsizetype(offset));
        for (auto& entry : inputs)
            entry.second->written -= std::min(entry.second->written, offset);
    }

    // The monitor is silent while nothing plays, the sink sleeps, the
    // stream moves or the sound server is away; the server must still hear
    // time pass.
    void fillSilence()
    {
        const quint64 due = framesDue();
        if (deliveredFrames + heldFrames() + captureBufferFrames + lagFrames > due)
            return;
        // What the monitor gave before it stalled goes out first.
        deliverPending();
        while (deliveredFrames + captureBufferFrames + lagFrames <= due) {
            if (!isFilling) {
                isFilling = true;
                qCDebug(lcAudioCapture, "The monitor delivers nothing; sending silence");
            }
            if (!pending.empty()) {
                pending.resize(bufferSamples, 0.0f);
                deliver(pending.data());
                pending.clear();
                for (auto& entry : inputs)
                    entry.second->written = 0;
            } else {
                deliver(silence.data());
            }
        }
    }

    void reportLoss(const QString& message)
    {
        if (!isRunning)
            return;
        isRunning = false;
        stopClock();
        pulse->cancelTimer(awayTimer);
        watch.clear();
        service->m_isCapturing = false;
        qCCritical(lcAudioCapture, "Audio capture lost: %s", qUtf8Printable(message));
        if (service->onError)
            service->onError(AudioCaptureError::captureFailure(message).errorDescription());
    }

    void streamReady() override
    {
        if (!hasReportedReady) {
            isRunning = true;
            startClock();
            reportReady({});
            endAwayNotice();
            return;
        }
        qCInfo(lcAudioCapture, "Audio capture resumed on %s", qUtf8Printable(stream.sourceName()));
        endAwayNotice();
    }

    void endAwayNotice()
    {
        pulse->cancelTimer(awayTimer);
        if (isAwayReported) {
            isAwayReported = false;
            if (service->onSoundServerAway)
                service->onSoundServerAway(false);
        }
    }

    void streamEnded(const QString& reason, bool wasReady) override
    {
        if (!hasReportedReady) {
            reportReady(reason);
        } else if (wasReady) {
            reportLoss(QStringLiteral("the system audio stream ended: %1").arg(reason));
        } else {
            // Opening again after a restart failed: silence goes on, and
            // the next output that appears is tried.
            qCWarning(lcAudioCapture, "Cannot capture again yet: %s", qUtf8Printable(reason));
        }
    }

    // Until the new source is known to be a monitor, what it gives may be
    // the user's microphone (where the server puts streams whose output went
    // away): it is not system audio.
    void streamMoved(const QString&) override { followDefaultSink(); }

    void sourceKindKnown(bool isMonitor, const QString& movedTo) override
    {
        if (isMonitor) {
            hasReportedNoOutput = false;
        } else if (!hasReportedNoOutput) {
            hasReportedNoOutput = true;
            qCWarning(lcAudioCapture,
                "No output left to capture (the server moved the stream to %s); sending silence until one appears",
                qUtf8Printable(movedTo));
        }
    }

    void samplesRead(const float* samples, size_t count) override
    {
        if (samples)
            pending.insert(pending.end(), samples, samples + count);
        else
            pending.resize(pending.size() + count, 0.0f);
        isFilling = false;
        // The server may push every 20 ms whatever fragment was asked for:
        // handing over a fragment at a time wakes the main thread a third
        // as often.
        if (pending.size() >= fragmentBuffers * bufferSamples)
            deliverPending();
        // While the monitor delivers, the clock never has to wake.
        if (clock)
            pa_context_rttime_restart(pulse->context(), clock, nextSilenceDue());
    }

    static void onClock(pa_mainloop_api*, pa_time_event* event, const struct timeval*, void* userdata)
    {
        auto* session = static_cast<Session*>(userdata);
        session->fillSilence();
        pa_context_rttime_restart(
            session->pulse->context(), event, std::max(session->nextSilenceDue(), pa_rtclock_now() + bufferUsec));
    }

    AudioCaptureService* service;
    PulseEngine* pulse;
    QString sinkName;
    const QString firstSource;
    const std::chrono::milliseconds awayNoticeDelay;
    // The executable names whose streams alone are captured; empty: all
    // system audio.
    const QSet<QString> applications;
    std::optional<StreamClock> continued;
    PulseRecordStream stream;
    // The streams taken one by one, by sink input.
    std::map<quint32, std::unique_ptr<InputStream>> inputs;
    // This program's own playback streams; while there is any, all system
    // audio is taken stream by stream without them.
    std::set<quint32> ownInputs;
    bool excludesOwn = false;
    // The default output, whose streams are taken meanwhile.
    quint32 followedSink = PA_INVALID_INDEX;
    // The name last reported as playing, empty for none; nothing before the
    // first report.
    std::optional<QString> reportedPlaying;
    pa_time_event* clock = nullptr;
    PulseEngine::Timer* awayTimer = nullptr;
    PulseEngine::Timer* ownGoneTimer = nullptr;
    PulseEngine::Watch watch;
    PulseOperations operations;
    QPromise<QString> readyPromise;
    bool hasReportedReady = false;
    bool isClosed = false;
    pa_usec_t startTime = 0;
    quint64 deliveredFrames = 0;
    bool isRunning = false;
    bool isFilling = false;
    bool isAwayReported = false;
    bool hasReportedNoOutput = false;
    std::vector<float> pending;
    const std::vector<float> silence = std::vector<float>(bufferSamples, 0.0f);
};

// The change handlers of the microphone list or of the playing applications,
// which end (under the event thread's lock) before the service does.
struct AudioCaptureService::DeviceWatch
{
    explicit DeviceWatch(std::shared_ptr<PulseEngine> engine)
        : pulse(std::move(engine))
        , watch(*pulse)
    { }

    ~DeviceWatch()
    {
        PulseEngine::Lock lock(*pulse);
        watch.clear();
    }

    DeviceWatch(const DeviceWatch&) = delete;
    DeviceWatch& operator=(const DeviceWatch&) = delete;

    std::shared_ptr<PulseEngine> pulse;
    PulseEngine::Watch watch;
};

AudioCaptureService::AudioCaptureService(std::optional<QString> server)
    : m_server(std::move(server))
    , m_micEngine(m_server)
{
    m_micRefreshTimer.setSingleShot(true);
    m_micRefreshTimer.setInterval(micChangesSettleDelay);
    QObject::connect(&m_micRefreshTimer, &QTimer::timeout, this, [this] { refreshMicDevices(); });
    m_applicationRefreshTimer.setSingleShot(true);
    m_applicationRefreshTimer.setInterval(micChangesSettleDelay);
    QObject::connect(&m_applicationRefreshTimer, &QTimer::timeout, this, [this] { refreshPlayingApplications(); });
}

AudioCaptureService::~AudioCaptureService()
{
    m_deviceWatch.reset();
    m_applicationWatch.reset();
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
    const auto stopped = AudioCaptureError::captureFailure(QStringLiteral("the capture was stopped while starting"));

    if (auto failure = co_await openSession(std::nullopt))
        co_return failure;
    if (overtaken())
        co_return stopped;
    m_isCapturing = true;
    // Another scope chosen while this one started.
    if (applicationsOf(m_captureScope) != m_session->applications)
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
    std::optional<StreamClock> clock, bool isServerAway)
{
    const quint64 generation = m_generation;
    const quint64 change = m_scopeChanges;
    const std::weak_ptr<int> alive = m_alive;
    const auto overtaken = [&] { return alive.expired() || m_generation != generation || m_scopeChanges != change; };
    const auto stopped = AudioCaptureError::captureFailure(QStringLiteral("the capture was stopped while starting"));

    const std::shared_ptr<PulseEngine> pulse = PulseEngine::shared(m_server);
    const auto server = co_await pulse->serverInfo();
    if (overtaken())
        co_return stopped;
    // A change-over carries on while the server is away: the session waits
    // for it (or tells why not).
    if (!server && !clock) {
        const QString reason = pulse->failureText();
        co_return AudioCaptureError::captureFailure(
            reason.isEmpty() ? QStringLiteral("the sound server did not answer") : reason);
    }
    const QString scope = m_captureScope;
    const QSet<QString> applications = applicationsOf(scope);
    std::optional<PulseEngine::SinkInfo> sink;
    // One application needs no output of its own: it is recorded wherever it plays.
    if (server && applications.isEmpty()) {
        if (server->defaultSinkName.isEmpty())
            co_return AudioCaptureError::noDisplayFound();
        sink = co_await pulse->sink(server->defaultSinkName);
        if (overtaken())
            co_return stopped;
        if (!sink || sink->monitorSourceName.isEmpty())
            co_return AudioCaptureError::noDisplayFound();
    }

    qCInfo(lcAudioCapture, "Starting audio capture (%s)...", qUtf8Printable(scope));
    if (!clock)
        m_hasSentHeader = false;
    auto session = std::make_shared<Session>(this, pulse.get(), sink ? sink->name : QString(),
        sink ? sink->monitorSourceName : QString(), m_awayNoticeDelay, applications);
    session->continued = clock;
    // The panel's notice stands until the new session reaches the server.
    session->isAwayReported = isServerAway;
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
    // A change-over still opening hands on the clock it was given.
    std::optional<StreamClock> clock = m_changeoverClock;
    bool wasAway = false;
    if (m_session) {
        PulseEngine::Lock lock(*m_pulse);
        // What the old session holds goes out before it ends, and nothing
        // of it after the new one took its clock.
        if (m_session->isRunning) {
            m_session->deliverPending();
            clock = StreamClock{m_session->deliveredFrames};
        }
        wasAway = m_session->isAwayReported;
        m_session->close();
    }
    m_session.reset();
    m_changeoverClock = clock;
    qCInfo(lcAudioCapture, "Capture changes over to %s", qUtf8Printable(m_captureScope));
    const auto failure = co_await openSession(clock, wasAway);
    if (alive.expired() || m_generation != generation || m_scopeChanges != change)
        co_return;
    m_changeoverClock.reset();
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
    m_changeoverClock.reset();
    // Between two sessions of a change-over there is none, yet capture runs.
    const bool wasCapturing = m_isCapturing.exchange(false);
    if (!m_session && !wasCapturing)
        return;
    m_micEngine.stopEngine();
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

QSet<QString> AudioCaptureService::applicationsOf(const QString& scope)
{
    if (scope == QLatin1String("callApp"))
        return CallMonitorService::teamsProcessNames;
    if (scope.startsWith(QLatin1String("app:")) && scope.size() > 4)
        return {scope.mid(4)};
    return {};
}

QString AudioCaptureService::capturedSourceName() const
{
    const std::shared_ptr<Session> session = m_session;
    return session ? session->stream.sourceName() : QString();
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
    watchMicDevices();
    const std::weak_ptr<int> alive = m_alive;
    const std::shared_ptr<PulseEngine> pulse = m_deviceWatch->pulse;
    const auto sources = co_await pulse->sources();
    if (alive.expired())
        co_return;
    QList<MicDevice> devices;
    for (const auto& source : sources.value_or(QList<PulseEngine::SourceInfo>())) {
        if (!source.isMonitor)
            devices.append({source.name, source.description});
    }
    if (devices == m_availableMicDevices)
        co_return;
    m_availableMicDevices = devices;
    emit micDevicesChanged();
}

void AudioCaptureService::watchMicDevices()
{
    // A first connection that failed gives a new engine: the watch moves there.
    const std::shared_ptr<PulseEngine> pulse = PulseEngine::shared(m_server);
    if (m_deviceWatch && m_deviceWatch->pulse == pulse)
        return;
    m_deviceWatch.reset();
    m_deviceWatch = std::make_unique<DeviceWatch>(pulse);
    PulseEngine::Lock lock(*pulse);
    m_deviceWatch->watch.onChange([this](int facility, int, quint32) {
        if (facility == PA_SUBSCRIPTION_EVENT_SOURCE)
            micSourcesChanged();
    });
    // After a restart of the server the devices may be others.
    m_deviceWatch->watch.onConnection([this](bool isConnected) {
        if (isConnected)
            micSourcesChanged();
    });
}

void AudioCaptureService::micSourcesChanged()
{
    // Each change restarts the wait, so a burst is read once, on the main thread.
    QMetaObject::invokeMethod(
        this, [this] { m_micRefreshTimer.start(); }, Qt::QueuedConnection);
}

void AudioCaptureService::watchPlayingApplications()
{
    if (m_applicationWatchers++ > 0)
        return;
    const std::shared_ptr<PulseEngine> pulse = PulseEngine::shared(m_server);
    m_applicationWatch = std::make_unique<DeviceWatch>(pulse);
    {
        PulseEngine::Lock lock(*pulse);
        // A stream that changes (volume, pause) stays the same program's.
        m_applicationWatch->watch.onChange([this](int facility, int type, quint32) {
            if (facility == PA_SUBSCRIPTION_EVENT_SINK_INPUT && type != PA_SUBSCRIPTION_EVENT_CHANGE)
                sinkInputsChanged();
        });
        // Gone with the server, and read again once it is back.
        m_applicationWatch->watch.onConnection([this](bool) { sinkInputsChanged(); });
    }
    refreshPlayingApplications();
}

void AudioCaptureService::unwatchPlayingApplications()
{
    if (m_applicationWatchers == 0 || --m_applicationWatchers > 0)
        return;
    m_applicationWatch.reset();
    m_applicationRefreshTimer.stop();
    ++m_applicationQueries;
    if (!m_playingApplications.isEmpty()) {
        m_playingApplications.clear();
        emit playingApplicationsChanged();
    }
}

void AudioCaptureService::sinkInputsChanged()
{
    QMetaObject::invokeMethod(
        this, [this] { m_applicationRefreshTimer.start(); }, Qt::QueuedConnection);
}

QCoro::Task<> AudioCaptureService::refreshPlayingApplications()
{
    if (!m_applicationWatch)
        co_return;
    const std::weak_ptr<int> alive = m_alive;
    const quint64 question = ++m_applicationQueries;
    const std::shared_ptr<PulseEngine> pulse = m_applicationWatch->pulse;
    const auto inputs = co_await pulse->sinkInputs();
    if (alive.expired() || question != m_applicationQueries)
        co_return;
    // No answer from a server that is there: the list stands until the next change.
    if (!inputs && pulse->isConnected())
        co_return;
    const QList<PlayingApplication> applications = inputs ? applicationsIn(*inputs) : QList<PlayingApplication>();
    if (applications == m_playingApplications)
        co_return;
    m_playingApplications = applications;
    emit playingApplicationsChanged();
}

void AudioCaptureService::handleCapturedBuffer(const CapturedAudioBuffer& buffer)
{
    const auto system = convertToPCM16(buffer);
    if (!system) {
        qCDebug(lcAudioCapture, "Failed to convert sample buffer to PCM");
        return;
    }
    const QByteArray chunk = isMicEnabled() ? mixMicIntoSystemAudio(*system) : *system;
    if (onPCMDataForRecording)
        onPCMDataForRecording(chunk);
    QByteArray out;
    if (!m_hasSentHeader) {
        qCInfo(lcAudioCapture, "First audio chunk: %ld bytes", long(chunk.size()));
        out = createWAVHeader(streamDataSize) + chunk;
        m_hasSentHeader = true;
    } else {
        out = chunk;
    }
    if (onAudioData)
        onAudioData(out);
}

std::optional<QByteArray> AudioCaptureService::convertToPCM16(const CapturedAudioBuffer& buffer)
{
    if (!buffer.samples || buffer.sampleCount <= 0 || buffer.channels < 1 || !(buffer.sampleRate > 0))
        return std::nullopt;
    const std::vector<float> mono = AudioResampler::downmixToMono(buffer.samples, buffer.sampleCount, buffer.channels);
    const std::vector<float> resampled = AudioResampler::resample(mono, buffer.sampleRate, targetSampleRate);
    if (resampled.empty())
        return std::nullopt;
    return AudioResampler::float32ToInt16PCM(resampled);
}

QByteArray AudioCaptureService::mixMicIntoSystemAudio(const QByteArray& system)
{
    const QByteArray mic = m_micEngine.buffer().take(system.size());
    if (mic.isEmpty())
        return system;
    const qsizetype n = system.size() / 2;
    const qsizetype m = mic.size() / 2;
    QByteArray out(n * 2, Qt::Uninitialized);
    const auto* s = reinterpret_cast<const uchar*>(system.constData());
    const auto* a = reinterpret_cast<const uchar*>(mic.constData());
    auto* o = reinterpret_cast<uchar*>(out.data());
    for (qsizetype i = 0; i < n; ++i) {
        const int systemSample = qint16(quint16(s[2 * i] | (s[2 * i + 1] << 8)));
        const int micSample = i < m ? qint16(quint16(a[2 * i] | (a[2 * i + 1] << 8))) : 0;
        const auto sum = quint16(qint16(std::clamp(systemSample + micSample, -32768, 32767)));
        o[2 * i] = uchar(sum & 0xFF);
        o[2 * i + 1] = uchar(sum >> 8);
    }
    return out;
}

QByteArray AudioCaptureService::createWAVHeader(quint32 dataSize)
{
    QByteArray header;
    header.reserve(44);
    header.append("RIFF", 4);
    appendUInt32(header, dataSize + 36);
    header.append("WAVE", 4);
    header.append("fmt ", 4);
    appendUInt32(header, 16);
    appendUInt16(header, 1);
    appendUInt16(header, quint16(targetChannels));
    appendUInt32(header, quint32(targetSampleRate));
    appendUInt32(header, quint32(targetSampleRate) * targetChannels * 2);
    appendUInt16(header, quint16(targetChannels * 2));
    appendUInt16(header, 16);
    header.append("data", 4);
    appendUInt32(header, dataSize);
    return header;
}

} // namespace tolvaran
