#include "MicBuffer.h"

#include "AudioResampler.h"
#include "PulseContext.h"
#include "PulseEngine.h"

#include <QCoroFuture>
#include <QLoggingCategory>
#include <QPromise>

#include <mutex>
#include <pulse/pulseaudio.h>
#include <vector>

Q_LOGGING_CATEGORY(lcMicBuffer, "com.tolvaran.app.MicBuffer")

namespace tolvaran {

using namespace std::chrono_literals;

// A record stream on the chosen source, or the default input, and the frames
// that do not yet fill a block. Lives on the pulse thread: everything but
// construction runs there or under its lock.
struct MicBuffer::Engine final : SourceKindListener
{
    Engine(MicBuffer* buffer, PulseEngine* engine, std::optional<QString> chosen)
        : owner(buffer)
        , pulse(engine)
        , chosenSource(std::move(chosen))
    {
        startedPromise.start();
    }

    ~Engine()
    {
        PulseEngine::Lock lock(*pulse);
        close();
    }

    // Under the lock: afterwards no block reaches the buffer any more.
    void close()
    {
        isClosed = true;
        if (changeHandler) {
            pulse->removeChangeHandler(changeHandler);
            changeHandler = 0;
        }
        pulse->cancelTimer(deadline);
        operations.cancelAll();
        PulseContext::releaseStream(stream);
        isRunning = false;
        reportStarted(false);
    }

    QFuture<bool> start(const std::weak_ptr<Engine>& self)
    {
        pulse->post([self](pa_context* context) {
            const auto engine = self.lock();
            if (!engine || engine->isClosed)
                return;
            if (!context) {
                engine->reportStarted(false);
                return;
            }
            // A server that stops answering half way must not leave the start pending.
            engine->deadline = engine->pulse->startTimer(PulseEngine::connectTimeout * 2, [engine = engine.get()] {
                engine->deadline = nullptr;
                engine->reportStarted(false);
            });
            if (engine->chosenSource)
                engine->lookUp(*engine->chosenSource, true);
            else
                engine->openDefault();
        });
        return startedPromise.future();
    }

    void reportStarted(bool started)
    {
        if (hasReportedStart)
            return;
        hasReportedStart = true;
        pulse->cancelTimer(deadline);
        startedPromise.addResult(started);
        startedPromise.finish();
    }

    void track(pa_operation* operation)
    {
        if (!operations.track(operation))
            reportStarted(false);
    }

    void openDefault()
    {
        isOnChosen = false;
        track(pa_context_get_server_info(
            pulse->context(),
            [](pa_context*, const pa_server_info* info, void* userdata) {
                auto* engine = static_cast<Engine*>(userdata);
                if (!info || !info->default_source_name || !*info->default_source_name) {
                    engine->reportStarted(false);
                    return;
                }
                engine->lookUp(QString::fromUtf8(info->default_source_name), false);
            },
            this));
    }

    void lookUp(const QString& name, bool chosen)
    {
        isOnChosen = chosen;
        lookupFound = false;
        const QByteArray utf8Name = name.toUtf8();
        track(pa_context_get_source_info_by_name(
            pulse->context(), utf8Name.constData(),
            [](pa_context*, const pa_source_info* info, int eol, void* userdata) {
                auto* engine = static_cast<Engine*>(userdata);
                if (eol == 0 && info) {
                    if (!engine->lookupFound) {
                        engine->lookupFound = true;
                        engine->open(*info);
                    }
                } else if (!engine->lookupFound) {
                    // A source the server does not know means the default input, silently.
                    if (engine->isOnChosen)
                        engine->openDefault();
                    else
                        engine->reportStarted(false);
                }
            },
            this));
    }

    void open(const pa_source_info& source)
    {
        const QString name = QString::fromUtf8(source.name);
        if (source.monitor_of_sink != PA_INVALID_INDEX) {
            if (isOnChosen) {
                giveUpOnChosen(PA_ERR_NOTSUPPORTED);
            } else {
                // Mixing a monitor back in would double what the computer plays.
                qCInfo(lcMicBuffer, "Default input %s is a monitor, not a microphone", qUtf8Printable(name));
                reportStarted(false);
            }
            return;
        }
        const pa_sample_spec spec{PA_SAMPLE_FLOAT32LE, source.sample_spec.rate, source.sample_spec.channels};
        if (!pa_sample_spec_valid(&spec)) {
            if (isOnChosen)
                giveUpOnChosen(PA_ERR_NOTSUPPORTED);
            else
                reportStarted(false);
            return;
        }
        qCInfo(lcMicBuffer, "Installing tap, native format: %fHz %uch", double(spec.rate), unsigned(spec.channels));
        PulseContext::releaseStream(stream);
        pending.clear();
        stream = pa_stream_new(pulse->context(), "Microphone", &spec, nullptr);
        if (!stream) {
            failOpen(pa_context_errno(pulse->context()));
            return;
        }
        pa_stream_set_state_callback(stream, &Engine::onState, this);
        pa_stream_set_read_callback(stream, &Engine::onRead, this);
        pa_stream_set_moved_callback(stream, &Engine::onMoved, this);
        {
            std::lock_guard guard(nameLock);
            sourceName = name;
        }
        channels = spec.channels;
        sampleRate = spec.rate;
        hasBeenReady = false;
        if (!PulseContext::connectRecord(stream, name, quint32(MicBuffer::blockFrames * pa_frame_size(&spec))))
            failOpen(pa_context_errno(pulse->context()));
    }

    void giveUpOnChosen(int status)
    {
        qCCritical(lcMicBuffer, "Failed to set mic device %s, using default (status: %d)",
            qUtf8Printable(chosenSource.value_or(QString())), status);
        openDefault();
    }

    void failOpen(int status)
    {
        PulseContext::releaseStream(stream);
        isRunning = false;
        if (isOnChosen)
            giveUpOnChosen(status ? status : PA_ERR_UNKNOWN);
        else
            reportStarted(false);
    }

    static void onState(pa_stream* stream, void* userdata)
    {
        auto* engine = static_cast<Engine*>(userdata);
        const pa_stream_state_t state = pa_stream_get_state(stream);
        if (state == PA_STREAM_READY) {
            engine->hasBeenReady = true;
            engine->isRunning = true;
            engine->isOnMicrophone = true;
            engine->watchInputs();
            engine->reportStarted(true);
            return;
        }
        if (state != PA_STREAM_FAILED && state != PA_STREAM_TERMINATED)
            return;
        const int status = pa_context_errno(pa_stream_get_context(stream));
        if (!engine->hasBeenReady) {
            engine->failOpen(status);
            return;
        }
        engine->isRunning = false;
        PulseContext::releaseStream(engine->stream);
        if (engine->isOnChosen) {
            // Unplugged mid-call: the call goes on with the default input.
            qCWarning(lcMicBuffer, "Microphone %s is gone; using the default input",
                qUtf8Printable(engine->chosenSource.value_or(QString())));
            engine->openDefault();
        } else {
            qCWarning(lcMicBuffer, "Microphone stream ended: %s", pa_strerror(status));
        }
    }

    // The server moves the stream itself when its source goes away.
    static void onMoved(pa_stream* stream, void* userdata)
    {
        auto* engine = static_cast<Engine*>(userdata);
        const char* device = pa_stream_get_device_name(stream);
        if (!device)
            return;
        const QString moved = QString::fromUtf8(device);
        {
            std::lock_guard guard(engine->nameLock);
            engine->sourceName = moved;
        }
        // Where the server puts a stream whose source went away may be an
        // output's monitor: mixed in, it would double what the computer plays.
        engine->isOnMicrophone = false;
        engine->track(PulseContext::askSourceKind(engine->pulse->context(), device, engine));
        if (!engine->isOnChosen || !engine->chosenSource || moved == *engine->chosenSource)
            return;
        const QByteArray chosen = engine->chosenSource->toUtf8();
        engine->track(pa_context_get_source_info_by_name(
            engine->pulse->context(), chosen.constData(),
            [](pa_context*, const pa_source_info* info, int eol, void* data) {
                auto* self = static_cast<Engine*>(data);
                if (eol < 0 && !info && self->isOnChosen) {
                    self->isOnChosen = false;
                    qCWarning(lcMicBuffer, "Microphone %s is gone; using the default input",
                        qUtf8Printable(self->chosenSource.value_or(QString())));
                }
            },
            engine));
    }

    pa_stream* recordingStream() const override { return stream; }

    void sourceKindKnown(bool isMonitor, const char* movedTo) override
    {
        isOnMicrophone = !isMonitor;
        if (isOnMicrophone) {
            hasReportedNoMicrophone = false;
        } else if (!hasReportedNoMicrophone) {
            hasReportedNoMicrophone = true;
            qCWarning(lcMicBuffer,
                "No microphone left (the server moved the stream to %s); the microphone is silent until one appears",
                movedTo);
        }
    }

    // Once running, a silenced microphone moves to the chosen source or the
    // default input as soon as one that is a microphone appears.
    void watchInputs()
    {
        if (changeHandler)
            return;
        changeHandler = pulse->addChangeHandler([this](int facility, int type, quint32) {
            if (isOnMicrophone || !stream)
                return;
            if (facility == PA_SUBSCRIPTION_EVENT_SERVER
                || (facility == PA_SUBSCRIPTION_EVENT_SOURCE && type == PA_SUBSCRIPTION_EVENT_NEW))
                findMicrophone();
        });
    }

    void findMicrophone()
    {
        if (!chosenSource) {
            moveToDefaultInput();
            return;
        }
        const QByteArray name = chosenSource->toUtf8();
        track(pa_context_get_source_info_by_name(
            pulse->context(), name.constData(),
            [](pa_context*, const pa_source_info* source, int eol, void* userdata) {
                auto* engine = static_cast<Engine*>(userdata);
                if (eol == 0 && source) {
                    if (!engine->moveIfMicrophone(*source, true))
                        engine->moveToDefaultInput();
                } else if (eol < 0) {
                    engine->moveToDefaultInput();
                }
            },
            this));
    }

    void moveToDefaultInput()
    {
        track(pa_context_get_server_info(
            pulse->context(),
            [](pa_context* context, const pa_server_info* info, void* userdata) {
                if (!info || !info->default_source_name || !*info->default_source_name)
                    return;
                static_cast<Engine*>(userdata)->track(pa_context_get_source_info_by_name(
                    context, info->default_source_name,
                    [](pa_context*, const pa_source_info* source, int eol, void* data) {
                        if (eol == 0 && source)
                            static_cast<Engine*>(data)->moveIfMicrophone(*source, false);
                    },
                    userdata));
            },
            this));
    }

    // False when the source is an output's monitor.
    bool moveIfMicrophone(const pa_source_info& source, bool chosen)
    {
        if (source.monitor_of_sink != PA_INVALID_INDEX)
            return false;
        if (!stream || isOnMicrophone)
            return true;
        isOnChosen = chosen;
        qCInfo(lcMicBuffer, "Microphone input is now %s", source.name);
        track(pa_context_move_source_output_by_index(
            pulse->context(), pa_stream_get_index(stream), source.index, nullptr, nullptr));
        return true;
    }

    static void onRead(pa_stream* stream, size_t, void* userdata)
    {
        auto* engine = static_cast<Engine*>(userdata);
        if (!engine->isOnMicrophone) {
            PulseContext::discardReadable(stream);
            return;
        }
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
    PulseEngine* pulse;
    const std::optional<QString> chosenSource;
    pa_stream* stream = nullptr;
    PulseEngine::Timer* deadline = nullptr;
    PulseOperations operations;
    QPromise<bool> startedPromise;
    bool hasReportedStart = false;
    bool isClosed = false;
    bool isOnChosen = false;
    bool lookupFound = false;
    bool hasBeenReady = false;
    bool isOnMicrophone = true;
    bool hasReportedNoMicrophone = false;
    int changeHandler = 0;
    std::atomic<bool> isRunning{false};
    mutable std::mutex nameLock;
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

QCoro::Task<bool> MicBuffer::startEngine()
{
    if (m_engine) {
        bool hasFailed = false;
        {
            PulseEngine::Lock lock(*m_pulse);
            hasFailed = m_engine->hasReportedStart && !m_engine->isRunning.load();
        }
        // A running engine, or one still starting, stays; a failed one is
        // tried again.
        if (!hasFailed)
            co_return isEngineRunning();
        stopEngine();
    }
    const std::weak_ptr<int> alive = m_alive;
    if (!m_pulse || m_pulse->hasFailed())
        m_pulse = PulseEngine::shared(m_server);
    auto engine = std::make_shared<Engine>(this, m_pulse.get(), m_selectedDeviceUID);
    m_engine = engine;
    const std::weak_ptr<Engine> self = engine;
    const QFuture<bool> started = engine->start(self);
    engine.reset();
    const bool isStarted = co_await started;
    if (alive.expired() || self.expired())
        co_return false;
    co_return isStarted;
}

void MicBuffer::stopEngine()
{
    if (m_engine) {
        {
            PulseEngine::Lock lock(*m_pulse);
            m_engine->close();
        }
        m_engine.reset();
    }
    std::lock_guard guard(m_lock);
    m_buffer = QByteArray();
    m_hasLoggedOverflow = false;
}

bool MicBuffer::isEngineRunning() const
{
    return m_engine && m_engine->isRunning.load();
}

QString MicBuffer::engineSourceName() const
{
    const std::shared_ptr<Engine> engine = m_engine;
    if (!engine || !engine->isRunning.load())
        return {};
    std::lock_guard guard(engine->nameLock);
    return engine->sourceName;
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
