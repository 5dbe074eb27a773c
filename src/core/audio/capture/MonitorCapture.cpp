#include "MonitorCapture.h"

#include "CaptureSession.h"

#include <QLoggingCategory>

#include <pulse/pulseaudio.h>

Q_DECLARE_LOGGING_CATEGORY(lcAudioCapture)

namespace tolvaran {

MonitorCapture::MonitorCapture(CaptureSession& session)
    : m_session(session)
    , m_stream(session.pulse(), *this, "System audio", PulseRecordStream::Kind::monitor,
          quint32(CaptureClock::fragmentFrames))
{ }

void MonitorCapture::followDefaultSink()
{
    m_session.track(pa_context_get_server_info(
        m_session.pulse().context(),
        [](pa_context* context, const pa_server_info* info, void* userdata) {
            auto* monitor = static_cast<MonitorCapture*>(userdata);
            if (!info || !info->default_sink_name || !*info->default_sink_name)
                return;
            monitor->m_session.track(pa_context_get_sink_info_by_name(
                context, info->default_sink_name,
                [](pa_context* c, const pa_sink_info* sink, int eol, void* data) {
                    if (eol != 0 || !sink)
                        return;
                    static_cast<MonitorCapture*>(data)->moveTo(c, *sink);
                },
                monitor));
        },
        this));
}

void MonitorCapture::moveTo(pa_context* context, const pa_sink_info& sink)
{
    if (!sink.monitor_source_name || !m_session.isRunning())
        return;
    if (m_session.excludesOwn()) {
        m_session.takeStreamsOn(sink.index);
        return;
    }
    const QString monitor = QString::fromUtf8(sink.monitor_source_name);
    if (!m_stream.isOpen()) {
        qCInfo(lcAudioCapture, "Capturing %s again", qUtf8Printable(monitor));
        m_stream.open(monitor);
        return;
    }
    if (!m_stream.isReady() || monitor == m_stream.sourceName())
        return;
    qCInfo(lcAudioCapture, "Default output is now %s; capturing %s", sink.name, qUtf8Printable(monitor));
    // The name changes once the server reports the move (streamMoved): the
    // monitor may be gone before the request arrives.
    m_session.track(pa_context_move_source_output_by_name(
        context, m_stream.index(), sink.monitor_source_name,
        [](pa_context* c, int success, void*) {
            if (!success)
                qCWarning(lcAudioCapture, "Cannot follow the default output: %s", pa_strerror(pa_context_errno(c)));
        },
        nullptr));
}

void MonitorCapture::streamReady()
{
    m_session.monitorReady();
}

void MonitorCapture::streamEnded(const QString& reason, bool wasReady)
{
    m_session.monitorEnded(reason, wasReady);
}

// Until the new source is known to be a monitor, what it gives may be the
// user's microphone (where the server puts streams whose output went away):
// it is not system audio.
void MonitorCapture::streamMoved(const QString&)
{
    followDefaultSink();
}

void MonitorCapture::sourceKindKnown(bool isMonitor, const QString& movedTo)
{
    if (isMonitor) {
        m_hasReportedNoOutput = false;
    } else if (!m_hasReportedNoOutput) {
        m_hasReportedNoOutput = true;
        qCWarning(lcAudioCapture,
            "No output left to capture (the server moved the stream to %s); sending silence until one appears",
            qUtf8Printable(movedTo));
    }
}

void MonitorCapture::samplesRead(const qint16* samples, size_t count)
{
    m_session.monitorRead(samples, count);
}

} // namespace tolvaran
