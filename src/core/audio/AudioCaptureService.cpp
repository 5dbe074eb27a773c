#include "AudioCaptureService.h"

#include "AudioResampler.h"
#include "PulseContext.h"

#include <QLoggingCategory>

#include <pulse/pulseaudio.h>
#include <vector>

Q_LOGGING_CATEGORY(lcAudioCapture, "com.tolvaran.app.AudioCapture")

namespace tolvaran {

using namespace std::chrono_literals;

namespace {

constexpr auto connectTimeout = 2s;
// The permission probe runs while the menu opens: it must answer at once.
constexpr auto probeTimeout = 800ms;
constexpr pa_usec_t bufferUsec = 20 * PA_USEC_PER_MSEC;
constexpr size_t bufferSamples = size_t(AudioCaptureService::captureBufferFrames) * 2;
// How far the monitor may lag behind the clock before silence stands in for
// it; above its usual delivery delay, so real audio is not pre-empted.
constexpr quint64 lagFrames = 3 * AudioCaptureService::captureBufferFrames;
// A burst beyond this lead over the clock would make the stream run ahead
// of real time; it is dropped.
constexpr quint64 maxLeadFrames = 10 * AudioCaptureService::captureBufferFrames;

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

} // namespace

// One running capture: the monitor stream and the 20 ms clock that keeps the
// outgoing stream in real time. Its callbacks run on the pulse thread with
// the mainloop lock held.
struct AudioCaptureService::Session
{
    Session(AudioCaptureService* owner, std::unique_ptr<PulseContext> connection)
        : service(owner)
        , pulse(std::move(connection))
    { }

    ~Session()
    {
        {
            PulseContext::Lock lock(*pulse);
            pulse->setOnConnectionLost({});
            stopClock();
            PulseContext::releaseStream(stream);
        }
        pulse.reset();
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

    void deliver(const float* samples)
    {
        if (deliveredFrames > framesDue() + maxLeadFrames)
            return;
        deliveredFrames += captureBufferFrames;
        service->handleCapturedBuffer({samples, qsizetype(bufferSamples), captureChannels, captureSampleRate});
    }

    void deliverPending()
    {
        size_t offset = 0;
        while (pending.size() - offset >= bufferSamples) {
            deliver(pending.data() + offset);
            offset += bufferSamples;
        }
        pending.erase(pending.begin(), pending.begin() + qsizetype(offset));
    }

    // The monitor is silent while nothing plays or the sink sleeps; the
    // server must still hear time pass.
    void fillSilence()
    {
        const quint64 due = framesDue();
        while (deliveredFrames + captureBufferFrames + lagFrames <= due) {
            if (!isFilling) {
                isFilling = true;
                qCDebug(lcAudioCapture, "The monitor delivers nothing; sending silence");
            }
            if (!pending.empty()) {
                pending.resize(bufferSamples, 0.0f);
                deliver(pending.data());
                pending.clear();
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
        if (stream) {
            pa_stream_set_read_callback(stream, nullptr, nullptr);
            pa_stream_set_state_callback(stream, &Session::onState, this);
        }
        service->m_isCapturing = false;
        qCCritical(lcAudioCapture, "Audio capture lost: %s", qUtf8Printable(message));
        if (service->onError)
            service->onError(AudioCaptureError::captureFailure(message).errorDescription());
    }

    static void onState(pa_stream* stream, void* userdata)
    {
        auto* session = static_cast<Session*>(userdata);
        const pa_stream_state_t state = pa_stream_get_state(stream);
        if (state == PA_STREAM_FAILED || state == PA_STREAM_TERMINATED) {
            session->reportLoss(
                QStringLiteral("the system audio stream ended: %1")
                    .arg(QString::fromUtf8(pa_strerror(pa_context_errno(pa_stream_get_context(stream))))));
        }
        pa_threaded_mainloop_signal(session->pulse->mainloop(), 0);
    }

    static void onRead(pa_stream* stream, size_t, void* userdata)
    {
        auto* session = static_cast<Session*>(userdata);
        PulseContext::appendReadableSamples(stream, session->pending);
        session->isFilling = false;
        session->deliverPending();
    }

    static void onClock(pa_mainloop_api*, pa_time_event* event, const struct timeval*, void* userdata)
    {
        auto* session = static_cast<Session*>(userdata);
        session->fillSilence();
        pa_context_rttime_restart(session->pulse->context(), event, pa_rtclock_now() + bufferUsec);
    }

    AudioCaptureService* service;
    std::unique_ptr<PulseContext> pulse;
    pa_stream* stream = nullptr;
    pa_time_event* clock = nullptr;
    pa_usec_t startTime = 0;
    quint64 deliveredFrames = 0;
    bool isRunning = false;
    bool isFilling = false;
    std::vector<float> pending;
    const std::vector<float> silence = std::vector<float>(bufferSamples, 0.0f);
};

AudioCaptureService::AudioCaptureService(std::optional<QString> server)
    : m_server(std::move(server))
    , m_micBufferStore(m_server)
{ }

AudioCaptureService::~AudioCaptureService()
{
    stopCapture();
}

std::optional<AudioCaptureError> AudioCaptureService::startCapture()
{
    if (m_isCapturing)
        return std::nullopt;
    // What a lost capture left behind.
    stopCapture();

    QString reason;
    auto pulse = PulseContext::connect(QStringLiteral("Tolvaran system audio"), connectTimeout, &reason, m_server);
    if (!pulse)
        return AudioCaptureError::captureFailure(reason);
    const auto server = pulse->serverInfo();
    if (!server)
        return AudioCaptureError::captureFailure(QStringLiteral("the sound server did not answer"));
    const auto sink = server->defaultSinkName.isEmpty() ? std::nullopt : pulse->sink(server->defaultSinkName);
    if (!sink || sink->monitorSourceName.isEmpty())
        return AudioCaptureError::noDisplayFound();

    auto session = std::make_unique<Session>(this, std::move(pulse));
    qCInfo(lcAudioCapture, "Starting audio capture...");
    m_hasSentHeader = false;
    {
        PulseContext::Lock lock(*session->pulse);
        pa_context* context = session->pulse->context();
        const pa_sample_spec spec{PA_SAMPLE_FLOAT32LE, uint32_t(captureSampleRate), uint8_t(captureChannels)};
        pa_channel_map map;
        pa_channel_map_init_stereo(&map);
        session->stream = pa_stream_new(context, "System audio", &spec, &map);
        if (!session->stream) {
            return AudioCaptureError::captureFailure(QString::fromUtf8(pa_strerror(pa_context_errno(context))));
        }
        pa_stream_set_state_callback(session->stream, &Session::onState, session.get());
        pa_stream_set_read_callback(session->stream, &Session::onRead, session.get());
        session->startTime = pa_rtclock_now();
        if (!PulseContext::connectRecord(
                session->stream, sink->monitorSourceName, quint32(bufferSamples * sizeof(float)))) {
            return AudioCaptureError::captureFailure(QString::fromUtf8(pa_strerror(pa_context_errno(context))));
        }
        if (!session->pulse->waitForStreamReady(session->stream, connectTimeout, &reason))
            return AudioCaptureError::captureFailure(reason);
        Session* running = session.get();
        session->pulse->setOnConnectionLost(
            [running] { running->reportLoss(QStringLiteral("the connection to the sound server was lost")); });
        session->clock = pa_context_rttime_new(context, pa_rtclock_now() + bufferUsec, &Session::onClock, running);
        if (!session->clock)
            return AudioCaptureError::captureFailure(QStringLiteral("cannot start the capture clock"));
        session->isRunning = true;
        m_isCapturing = true;
    }
    m_session = std::move(session);
    if (isMicEnabled())
        startMicEngine();
    qCInfo(lcAudioCapture, "Audio capture started successfully");
    return std::nullopt;
}

void AudioCaptureService::stopCapture()
{
    if (!m_session)
        return;
    m_micBufferStore.stopEngine();
    m_session.reset();
    m_isCapturing = false;
}

bool AudioCaptureService::checkPermission() const
{
    const auto pulse = PulseContext::connect(QStringLiteral("Tolvaran probe"), probeTimeout, nullptr, m_server);
    if (!pulse)
        return false;
    const auto server = pulse->serverInfo();
    if (!server || server->defaultSinkName.isEmpty())
        return false;
    const auto sink = pulse->sink(server->defaultSinkName);
    return sink && !sink->monitorSourceName.isEmpty();
}

void AudioCaptureService::startMicEngine()
{
    qCInfo(lcAudioCapture, "Starting mic engine...");
    m_micBufferStore.startEngine();
    qCInfo(lcAudioCapture, "Mic engine started, isEnabled=%s", isMicEnabled() ? "true" : "false");
}

void AudioCaptureService::stopMicEngine()
{
    m_micBufferStore.stopEngine();
}

bool AudioCaptureService::checkMicPermission() const
{
    return PulseContext::connect(QStringLiteral("Tolvaran probe"), probeTimeout, nullptr, m_server) != nullptr;
}

void AudioCaptureService::refreshMicDevices()
{
    QList<MicDevice> devices;
    if (const auto pulse
        = PulseContext::connect(QStringLiteral("Tolvaran devices"), connectTimeout, nullptr, m_server)) {
        for (const auto& source : pulse->sources()) {
            if (!source.isMonitor)
                devices.append({source.name, source.description});
        }
    }
    m_availableMicDevices = devices;
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
    const QByteArray mic = m_micBufferStore.take(system.size());
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
