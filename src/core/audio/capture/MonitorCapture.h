#pragma once

#include "audio/PulseRecordStream.h"

#include <QString>

struct pa_context;
struct pa_sink_info;

namespace tolvaran {

class CaptureSession;

// The record stream on the default output's monitor, following the default
// output: when the user switches outputs, or the server moves the stream
// (its output went away), it moves to, or opens on, the default output's
// monitor, and the session's clock covers the gap with silence. What a
// source that is no monitor gives (where the server puts a stream whose
// output went) is not system audio and is dropped.
//
// Pulse thread or under PulseEngine::Lock, except sourceName.
class MonitorCapture final : PulseRecordStream::Listener
{
public:
    explicit MonitorCapture(CaptureSession& session);

    bool open(const QString& source) { return m_stream.open(source); }

    void close() { m_stream.close(); }

    // The monitor being captured, empty while none is. Any thread.
    QString sourceName() const { return m_stream.sourceName(); }

    void followDefaultSink();

private:
    void moveTo(pa_context* context, const pa_sink_info& sink);

    void streamReady() override;
    void streamEnded(const QString& reason, bool wasReady) override;
    void streamMoved(const QString& source) override;
    void sourceKindKnown(bool isMonitor, const QString& movedTo) override;
    void samplesRead(const qint16* samples, size_t count) override;

    CaptureSession& m_session;
    PulseRecordStream m_stream;
    bool m_hasReportedNoOutput = false;
};

} // namespace tolvaran
