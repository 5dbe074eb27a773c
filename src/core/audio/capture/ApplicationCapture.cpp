#include "ApplicationCapture.h"

#include "CaptureSession.h"
#include "audio/PulseRecordStream.h"

#include <QLoggingCategory>

#include <pulse/pulseaudio.h>

Q_DECLARE_LOGGING_CATEGORY(lcAudioCapture)

namespace tolvaran {

namespace {

// A stream that has given nothing for this long (paused, corked) no longer
// holds back the mix of the others.
constexpr auto idleTime = 2 * CaptureClock::fragmentBuffers * CaptureClock::bufferDuration;

} // namespace

struct ApplicationCapture::InputStream final : PulseRecordStream::Listener
{
    InputStream(ApplicationCapture& owner, quint32 input)
        : capture(owner)
        , sinkInput(input)
        , stream(owner.m_session.pulse(), *this, "Application audio", PulseRecordStream::Kind::monitor,
              quint32(CaptureClock::fragmentFrames))
    { }

    void streamReady() override
    {
        lastRead = capture.m_session.clock().now();
        capture.m_session.reportApplicationPlaying();
    }

    // The server ends such a stream when its input moves to another sink:
    // the input is asked again and followed there. Never erased here: this
    // runs inside the stream's own callback.
    void streamEnded(const QString& reason, bool wasReady) override
    {
        capture.m_session.reportApplicationPlaying();
        if (!wasReady) {
            qCWarning(
                lcAudioCapture, "Cannot capture the application's stream %u: %s", sinkInput, qUtf8Printable(reason));
            return;
        }
        capture.ask(sinkInput);
    }

    void samplesRead(const qint16* samples, size_t count) override
    {
        lastRead = capture.m_session.clock().now();
        capture.mixIn(*this, samples, count);
    }

    bool isLive(std::chrono::microseconds now) const { return stream.isReady() && now < lastRead + idleTime; }

    ApplicationCapture& capture;
    const quint32 sinkInput;
    QString name;
    quint32 sink = PA_INVALID_INDEX;
    // Where its next sample goes in the clock's stream.
    quint64 written = 0;
    std::chrono::microseconds lastRead{0};
    PulseRecordStream stream;
};

ApplicationCapture::ApplicationCapture(CaptureSession& session)
    : m_session(session)
{ }

ApplicationCapture::~ApplicationCapture() = default;

void ApplicationCapture::list(bool thenCaptureOutput)
{
    const auto then
        = thenCaptureOutput ? &ApplicationCapture::onInputListThenCapture : &ApplicationCapture::onInputInfo;
    if (!m_session.track(pa_context_get_sink_input_info_list(m_session.pulse().context(), then, this))
        && thenCaptureOutput)
        m_session.captureOutput();
}

void ApplicationCapture::ask(quint32 sinkInput)
{
    m_session.track(
        pa_context_get_sink_input_info(m_session.pulse().context(), sinkInput, &ApplicationCapture::onInputInfo, this));
}

bool ApplicationCapture::remove(quint32 sinkInput)
{
    return m_inputs.erase(sinkInput) > 0;
}

void ApplicationCapture::clear()
{
    m_inputs.clear();
}

void ApplicationCapture::keepOnly(quint32 sink)
{
    std::erase_if(m_inputs, [sink](const auto& entry) { return entry.second->sink != sink; });
}

QString ApplicationCapture::playingName() const
{
    for (const auto& entry : m_inputs) {
        if (entry.second->stream.isOpen())
            return entry.second->name;
    }
    return {};
}

// Adds a stream's samples at its own place in the mix, and hands on what
// every live stream has given.
void ApplicationCapture::mixIn(InputStream& input, const qint16* samples, size_t count)
{
    CaptureClock& clock = m_session.clock();
    input.written = clock.mixIn(input.written, samples, count);
    const std::chrono::microseconds now = clock.now();
    quint64 ready = clock.heldEnd();
    for (const auto& entry : m_inputs) {
        if (entry.second->isLive(now))
            ready = std::min(ready, std::max(entry.second->written, clock.heldFrom()));
    }
    if (ready >= clock.heldFrom() + CaptureClock::fragmentFrames)
        clock.deliverHeld(ready);
    m_session.scheduleWake();
}

void ApplicationCapture::onInputListThenCapture(
    pa_context* context, const pa_sink_input_info* info, int eol, void* userdata)
{
    if (eol == 0)
        onInputInfo(context, info, eol, userdata);
    else
        static_cast<ApplicationCapture*>(userdata)->m_session.captureOutput();
}

void ApplicationCapture::onInputInfo(pa_context* context, const pa_sink_input_info* info, int eol, void* userdata)
{
    if (eol != 0 || !info)
        return;
    auto* self = static_cast<ApplicationCapture*>(userdata);
    CaptureSession& session = self->m_session;
    const PulseEngine::SinkInputInfo about = PulseEngine::sinkInputInfo(*info);
    // Never captured, whatever the scope.
    if (about.isOwn()) {
        session.ownStreamFound(info->index);
        return;
    }
    const QString& binary = about.binary;
    if (!session.isRunning() || !session.takes(about)) {
        // It moved off the default output.
        if (self->m_inputs.erase(info->index) > 0)
            session.reportApplicationPlaying();
        return;
    }
    auto& input = self->m_inputs[info->index];
    if (!input) {
        input = std::make_unique<InputStream>(*self, info->index);
        input->name = about.applicationName.isEmpty() ? binary : about.applicationName;
        qCInfo(lcAudioCapture, "Capturing %s's stream %u", qUtf8Printable(input->name), info->index);
    }
    if (input->stream.isOpen() && input->sink == info->sink)
        return;
    if (input->sink != PA_INVALID_INDEX && input->sink != info->sink)
        qCInfo(
            lcAudioCapture, "Following %s's stream %u to output %u", qUtf8Printable(binary), info->index, info->sink);
    input->stream.close();
    input->sink = info->sink;
    session.track(pa_context_get_sink_info_by_index(context, info->sink, &ApplicationCapture::onInputSink, self));
}

// Every stream waiting for this sink opens on its monitor.
void ApplicationCapture::onInputSink(pa_context*, const pa_sink_info* sink, int eol, void* userdata)
{
    if (eol != 0 || !sink || !sink->monitor_source_name)
        return;
    auto* self = static_cast<ApplicationCapture*>(userdata);
    for (auto& [index, input] : self->m_inputs) {
        if (input->sink == sink->index && !input->stream.isOpen()) {
            input->written = self->m_session.clock().heldFrom();
            input->stream.open(QString::fromUtf8(sink->monitor_source_name), index);
        }
    }
}

} // namespace tolvaran
