#include "MicBuffer.h"

#include "AudioResampler.h"
#include "PulseContext.h"

#include <QLoggingCategory>

#include <pulse/pulseaudio.h>
#include <vector>

Q_LOGGING_CATEGORY(lcMicBuffer, "com.tolvaran.app.MicBuffer")

namespace tolvaran {

using namespace std::chrono_literals;

namespace {

constexpr auto connectTimeout = 2s;

} // namespace

// A running record stream and the frames that do not yet fill a block. Its
// callbacks run on the pulse thread with the mainloop lock held.
struct MicBuffer::Engine
{
    Engine(MicBuffer* buffer, std::unique_ptr<PulseContext> connection)
        : owner(buffer)
        , pulse(std::move(connection))
    { }

    ~Engine()
    {
        if (stream) {
            PulseContext::Lock lock(*pulse);
            PulseContext::releaseStream(stream);
        }
        pulse.reset();
    }

    // Opens a record stream in the source's own format; on failure gives the
    // sound server's error code.
    int open(const PulseContext::SourceInfo& source)
    {
        PulseContext::Lock lock(*pulse);
        const pa_sample_spec spec{PA_SAMPLE_FLOAT32LE, source.sampleRate, source.channels};
        if (!pa_sample_spec_valid(&spec))
            return PA_ERR_NOTSUPPORTED;
        stream = pa_stream_new(pulse->context(), "Microphone", &spec, nullptr);
        if (!stream)
            return pa_context_errno(pulse->context());
        pa_stream_set_state_callback(stream, &Engine::onState, this);
        pa_stream_set_read_callback(stream, &Engine::onRead, this);
        if (!PulseContext::connectRecord(stream, source.name, quint32(MicBuffer::blockFrames * pa_frame_size(&spec)))
            || !pulse->waitForStreamReady(stream, connectTimeout)) {
            const int status = pa_context_errno(pulse->context());
            PulseContext::releaseStream(stream);
            return status ? status : PA_ERR_UNKNOWN;
        }
        sourceName = source.name;
        channels = source.channels;
        sampleRate = source.sampleRate;
        return 0;
    }

    static void onState(pa_stream* stream, void* userdata)
    {
        auto* engine = static_cast<Engine*>(userdata);
        if (pa_stream_get_state(stream) == PA_STREAM_FAILED && engine->channels > 0) {
            qCWarning(lcMicBuffer, "Microphone stream ended: %s",
                pa_strerror(pa_context_errno(pa_stream_get_context(stream))));
        }
        pa_threaded_mainloop_signal(engine->pulse->mainloop(), 0);
    }

    static void onRead(pa_stream* stream, size_t, void* userdata)
    {
        auto* engine = static_cast<Engine*>(userdata);
        PulseContext::appendReadableSamples(stream, engine->pending);
        const size_t blockSamples = size_t(MicBuffer::blockFrames) * size_t(engine->channels);
        size_t offset = 0;
        while (engine->pending.size() - offset >= blockSamples) {
            engine->owner->handleBlock(
                {engine->pending.data() + offset, MicBuffer::blockFrames, engine->channels, engine->sampleRate});
            offset += blockSamples;
        }
        engine->pending.erase(engine->pending.begin(), engine->pending.begin() + qsizetype(offset));
    }

    MicBuffer* owner;
    std::unique_ptr<PulseContext> pulse;
    pa_stream* stream = nullptr;
    QString sourceName;
    int channels = 0;
    double sampleRate = 0;
    std::vector<float> pending;
};

MicBuffer::MicBuffer(std::optional<QString> server)
    : m_server(std::move(server))
{ }

MicBuffer::~MicBuffer()
{
    stopEngine();
}

void MicBuffer::startEngine()
{
    if (m_engine)
        return;
    auto pulse = PulseContext::connect(QStringLiteral("Tolvaran microphone"), connectTimeout, nullptr, m_server);
    if (!pulse)
        return;
    auto engine = std::make_unique<Engine>(this, std::move(pulse));

    const auto tryOpen = [&engine](const PulseContext::SourceInfo& source) -> int {
        if (source.sampleRate == 0 || source.channels == 0)
            return PA_ERR_NOTSUPPORTED;
        qCInfo(lcMicBuffer, "Installing tap, native format: %fHz %uch", double(source.sampleRate),
            unsigned(source.channels));
        return engine->open(source);
    };

    if (m_selectedDeviceUID) {
        // A source the server does not know means the default input, silently.
        if (const auto chosen = engine->pulse->source(*m_selectedDeviceUID)) {
            const int status = chosen->isMonitor ? int(PA_ERR_NOTSUPPORTED) : tryOpen(*chosen);
            if (status == 0) {
                m_engine = std::move(engine);
                return;
            }
            qCCritical(lcMicBuffer, "Failed to set mic device %s, using default (status: %d)",
                qUtf8Printable(*m_selectedDeviceUID), status);
        }
    }

    const auto server = engine->pulse->serverInfo();
    if (!server || server->defaultSourceName.isEmpty())
        return;
    const auto input = engine->pulse->source(server->defaultSourceName);
    if (!input || input->sampleRate == 0)
        return;
    if (input->isMonitor) {
        // Mixing a monitor back in would double what the computer plays.
        qCInfo(lcMicBuffer, "Default input %s is a monitor, not a microphone", qUtf8Printable(input->name));
        return;
    }
    if (tryOpen(*input) == 0)
        m_engine = std::move(engine);
}

void MicBuffer::stopEngine()
{
    m_engine.reset();
    std::lock_guard guard(m_lock);
    m_buffer = QByteArray();
    m_hasLoggedOverflow = false;
}

QString MicBuffer::engineSourceName() const
{
    return m_engine ? m_engine->sourceName : QString();
}

QByteArray MicBuffer::take(qsizetype bytes)
{
    std::lock_guard guard(m_lock);
    const qsizetype count = std::clamp(bytes, qsizetype(0), m_buffer.size());
    QByteArray result = m_buffer.first(count);
    m_buffer.remove(0, count);
    return result;
}

void MicBuffer::append(const QByteArray& data)
{
    std::lock_guard guard(m_lock);
    m_buffer.append(data);
    const qsizetype excess = m_buffer.size() - maxBufferedBytes;
    if (excess <= 0)
        return;
    // Keep whole samples: drop an even number of bytes.
    m_buffer.remove(0, excess + (excess & 1));
    if (!m_hasLoggedOverflow) {
        m_hasLoggedOverflow = true;
        qCInfo(lcMicBuffer, "Mic buffer full, dropping the oldest %lld bytes and more while it stays full",
            qlonglong(excess));
    }
}

qsizetype MicBuffer::bufferedBytes() const
{
    std::lock_guard guard(m_lock);
    return m_buffer.size();
}

std::optional<QByteArray> MicBuffer::convertAVBufferToPCM16(const AudioInputBlock& buffer, double targetSampleRate)
{
    if (!buffer.samples || buffer.channels < 1)
        return std::nullopt;
    const qsizetype frames = buffer.frameLength;
    if (frames <= 0)
        return std::nullopt;
    const std::vector<float> mono
        = AudioResampler::downmixToMono(buffer.samples, frames * buffer.channels, buffer.channels);
    const std::vector<float> resampled = AudioResampler::resample(mono, buffer.sampleRate, targetSampleRate);
    if (resampled.empty())
        return std::nullopt;
    return AudioResampler::float32ToInt16PCM(resampled);
}

void MicBuffer::handleBlock(const AudioInputBlock& block)
{
    if (!isEnabled())
        return;
    const auto data = convertAVBufferToPCM16(block, m_targetSampleRate);
    if (!data || data->isEmpty())
        return;
    ++m_tapCallCount;
    if (m_tapCallCount % 50 == 1)
        qCInfo(lcMicBuffer, "Mic tap: %ld bytes (call #%ld)", long(data->size()), long(m_tapCallCount));
    append(*data);
}

} // namespace tolvaran
