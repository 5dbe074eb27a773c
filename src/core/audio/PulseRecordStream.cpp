#include "PulseRecordStream.h"

#include <QCoreApplication>

#include <cstring>
#include <pulse/pulseaudio.h>
#include <vector>

namespace tolvaran {

PulseRecordStream::PulseRecordStream(
    PulseEngine& engine, Listener& listener, const char* name, Kind wanted, quint32 fragmentFrames)
    : m_engine(engine)
    , m_listener(listener)
    , m_name(name)
    , m_wanted(wanted)
    , m_fragmentFrames(fragmentFrames)
{ }

PulseRecordStream::~PulseRecordStream()
{
    close();
}

bool PulseRecordStream::open(const QString& source, std::optional<quint32> sinkInput)
{
    close();
    pa_context* context = m_engine.context();
    const pa_sample_spec spec{PA_SAMPLE_S16LE, uint32_t(sampleRate), uint8_t(channels)};
    pa_channel_map map;
    pa_channel_map_init_mono(&map);
    m_stream = pa_stream_new(context, m_name, &spec, &map);
    if (!m_stream) {
        m_listener.streamEnded(QString::fromUtf8(pa_strerror(pa_context_errno(context))), false);
        return false;
    }
    pa_stream_set_state_callback(m_stream, &PulseRecordStream::onState, this);
    pa_stream_set_read_callback(m_stream, &PulseRecordStream::onRead, this);
    pa_stream_set_moved_callback(m_stream, &PulseRecordStream::onMoved, this);
    setSourceName(source);
    m_isOnWantedSource = true;
    pa_buffer_attr attributes;
    attributes.maxlength = uint32_t(-1);
    attributes.tlength = uint32_t(-1);
    attributes.prebuf = uint32_t(-1);
    attributes.minreq = uint32_t(-1);
    attributes.fragsize = uint32_t(m_fragmentFrames * pa_frame_size(&spec));
    const QByteArray name = source.toUtf8();
    auto flags = PA_STREAM_ADJUST_LATENCY;
    if (sinkInput) {
        if (pa_stream_set_monitor_stream(m_stream, *sinkInput) < 0) {
            fail(QString::fromUtf8(pa_strerror(pa_context_errno(context))));
            return false;
        }
        flags = pa_stream_flags_t(flags | PA_STREAM_DONT_MOVE);
    }
    if (pa_stream_connect_record(m_stream, name.constData(), &attributes, flags) < 0) {
        fail(QString::fromUtf8(pa_strerror(pa_context_errno(context))));
        return false;
    }
    m_deadline = m_engine.startTimer(PulseEngine::connectTimeout, [this] {
        m_deadline = nullptr;
        fail(QCoreApplication::translate("PulseRecordStream", "the sound server did not answer in time"));
    });
    return true;
}

void PulseRecordStream::close()
{
    m_engine.cancelTimer(m_deadline);
    m_operations.cancelAll();
    m_isReady = false;
    if (!m_stream)
        return;
    pa_stream_set_state_callback(m_stream, nullptr, nullptr);
    pa_stream_set_read_callback(m_stream, nullptr, nullptr);
    pa_stream_set_moved_callback(m_stream, nullptr, nullptr);
    // Fails harmlessly on a connection that is already gone.
    pa_stream_disconnect(m_stream);
    pa_stream_unref(m_stream);
    m_stream = nullptr;
    setSourceName({});
}

void PulseRecordStream::fail(const QString& reason)
{
    const bool wasReady = m_isReady;
    close();
    m_listener.streamEnded(reason, wasReady);
}

quint32 PulseRecordStream::index() const
{
    return m_stream ? pa_stream_get_index(m_stream) : PA_INVALID_INDEX;
}

QString PulseRecordStream::sourceName() const
{
    std::lock_guard guard(m_nameLock);
    return m_sourceName;
}

void PulseRecordStream::setSourceName(const QString& name)
{
    std::lock_guard guard(m_nameLock);
    m_sourceName = name;
}

void PulseRecordStream::onState(pa_stream* stream, void* userdata)
{
    auto* self = static_cast<PulseRecordStream*>(userdata);
    const pa_stream_state_t state = pa_stream_get_state(stream);
    if (state == PA_STREAM_READY && !self->m_isReady) {
        self->m_engine.cancelTimer(self->m_deadline);
        self->m_isReady = true;
        self->m_listener.streamReady();
    } else if (state == PA_STREAM_FAILED || state == PA_STREAM_TERMINATED) {
        pa_context* context = pa_stream_get_context(stream);
        // A lost connection is the engine's to tell, and to make again.
        if (!PA_CONTEXT_IS_GOOD(pa_context_get_state(context))) {
            self->close();
            return;
        }
        self->fail(QString::fromUtf8(pa_strerror(pa_context_errno(context))));
    }
}

void PulseRecordStream::onRead(pa_stream* stream, size_t, void* userdata)
{
    auto* self = static_cast<PulseRecordStream*>(userdata);
    while (self->m_stream == stream && pa_stream_readable_size(stream) > 0) {
        const void* data = nullptr;
        size_t bytes = 0;
        if (pa_stream_peek(stream, &data, &bytes) < 0 || bytes == 0)
            break;
        if (self->m_isOnWantedSource)
            self->m_listener.samplesRead(static_cast<const qint16*>(data), bytes / sizeof(qint16));
        // The listener may have closed the stream.
        if (self->m_stream != stream)
            return;
        pa_stream_drop(stream);
    }
}

void PulseRecordStream::onMoved(pa_stream* stream, void* userdata)
{
    auto* self = static_cast<PulseRecordStream*>(userdata);
    const char* device = pa_stream_get_device_name(stream);
    if (!device)
        return;
    self->m_isOnWantedSource = false;
    self->setSourceName(QString::fromUtf8(device));
    self->m_operations.track(pa_context_get_source_info_by_name(
        self->m_engine.context(), device,
        [](pa_context*, const pa_source_info* source, int eol, void* data) {
            auto* told = static_cast<PulseRecordStream*>(data);
            if (eol != 0 || !source || !told->m_stream)
                return;
            // The stream may have moved on since.
            const char* current = pa_stream_get_device_name(told->m_stream);
            if (!current || std::strcmp(current, source->name) != 0)
                return;
            const bool isMonitor = source->monitor_of_sink != PA_INVALID_INDEX;
            told->m_isOnWantedSource = isMonitor == (told->m_wanted == Kind::monitor);
            told->m_listener.sourceKindKnown(told->m_isOnWantedSource, QString::fromUtf8(source->name));
        },
        self));
    self->m_listener.streamMoved(QString::fromUtf8(device));
}

} // namespace tolvaran
