#pragma once

#include <QString>

#include <map>
#include <memory>

struct pa_context;
struct pa_sink_info;
struct pa_sink_input_info;

namespace tolvaran {

class CaptureSession;

// Playback streams (sink inputs) captured one by one, each recorded alone
// from its sink's monitor (pa_stream_set_monitor_stream), followed when it
// moves to another output, and mixed at its own place in the session's
// clock: one application's streams, or while this program plays, every
// other stream on the default output. Which streams are taken is the
// session's to say (CaptureSession::takes).
//
// Pulse thread or under PulseEngine::Lock.
class ApplicationCapture
{
public:
    explicit ApplicationCapture(CaptureSession& session);
    ~ApplicationCapture();

    ApplicationCapture(const ApplicationCapture&) = delete;
    ApplicationCapture& operator=(const ApplicationCapture&) = delete;

    // Asks for every playback stream; thenCaptureOutput: the session's
    // monitor may open once the list is in.
    void list(bool thenCaptureOutput = false);
    // Asks about one playback stream, new or changed.
    void ask(quint32 sinkInput);
    // False when the stream was not captured.
    bool remove(quint32 sinkInput);
    void clear();
    // Forgets the streams on other outputs.
    void keepOnly(quint32 sink);
    // The name of a stream being captured, empty while none is.
    QString playingName() const;

private:
    struct InputStream;

    void mixIn(InputStream& input, const qint16* samples, size_t count);
    static void onInputListThenCapture(pa_context* context, const pa_sink_input_info* info, int eol, void* userdata);
    static void onInputInfo(pa_context* context, const pa_sink_input_info* info, int eol, void* userdata);
    static void onInputSink(pa_context* context, const pa_sink_info* sink, int eol, void* userdata);

    CaptureSession& m_session;
    std::map<quint32, std::unique_ptr<InputStream>> m_inputs;
};

} // namespace tolvaran
