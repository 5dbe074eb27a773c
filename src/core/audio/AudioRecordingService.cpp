#include "AudioRecordingService.h"

#include "AacEncoder.h"

#include <QDir>
#include <QFile>
#include <QLoggingCategory>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <pthread.h>
#include <unistd.h>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/mem.h>
#include <libswresample/swresample.h>
}

Q_LOGGING_CATEGORY(lcAudioRecording, "com.tolvaran.app.AudioRecording")

namespace tolvaran {

namespace {

QString avErrorText(int error)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    if (av_strerror(error, text, sizeof text) < 0)
        return QStringLiteral("error %1").arg(error);
    return QString::fromUtf8(text);
}

struct FormatDeleter
{
    void operator()(AVFormatContext* format) const
    {
        if (format->pb && !(format->oformat->flags & AVFMT_NOFILE))
            avio_closep(&format->pb);
        avformat_free_context(format);
    }
};

struct ResamplerDeleter
{
    void operator()(SwrContext* resampler) const { swr_free(&resampler); }
};

struct PacketDeleter
{
    void operator()(AVPacket* packet) const { av_packet_free(&packet); }
};

struct DictionaryDeleter
{
    void operator()(AVDictionary* dictionary) const { av_dict_free(&dictionary); }
};

// Creates the file only if the name is free, so two recordings started within
// one second never share (or delete) each other's file.
std::optional<QString> createUniqueFile(const QString& directory)
{
    const qint64 seconds = QDateTime::currentSecsSinceEpoch();
    const QDir folder(directory);
    for (int attempt = 1; attempt <= 1000; ++attempt) {
        const QString name = attempt == 1 ? QStringLiteral("tolvaran_rec_%1.m4a").arg(seconds)
                                          : QStringLiteral("tolvaran_rec_%1_%2.m4a").arg(seconds).arg(attempt);
        const QString path = folder.filePath(name);
        const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0) {
            ::close(fd);
            return path;
        }
        if (errno != EEXIST)
            return std::nullopt;
    }
    return std::nullopt;
}

} // namespace

// The state of one file: 16 kHz s16 in, resampled to 44.1 kHz, cut into
// the encoder's frames, AAC out into fragmented M4A.
struct AudioRecordingService::Encoder
{
    enum class Stage { container, encoder, header };

    std::unique_ptr<AVFormatContext, FormatDeleter> format;
    std::unique_ptr<AacEncoder> aac;
    std::unique_ptr<SwrContext, ResamplerDeleter> resampler;
    std::unique_ptr<AVPacket, PacketDeleter> packet;
    AVStream* stream = nullptr;
    // Resampled audio not yet a whole frame.
    std::vector<int16_t> pending;
    int64_t nextPts = 0;
    // The file's length after the last write that reached the disk whole:
    // packets are flushed one by one, so this is where its last complete
    // fragment (or the header) ends.
    int64_t wholeBytes = 0;
    // Once writing failed (a full disk), nothing more is accepted.
    bool hasFailed = false;
    QString failure;

    static std::unique_ptr<Encoder> open(const QString& path, Stage* failedStage, QString* errorText);

    // False when the samples could not be converted or written.
    bool write(const int16_t* samples, int frames);
    bool finish();

private:
    bool encodeWholeFrames();
    bool encode(const int16_t* frame);
    bool fail(int error);
    bool fail(const QString& text);
};

std::unique_ptr<AudioRecordingService::Encoder> AudioRecordingService::Encoder::open(
    const QString& path, Stage* failedStage, QString* errorText)
{
    auto encoder = std::make_unique<Encoder>();
    const auto failAt = [&](Stage stage, const QString& text) -> std::unique_ptr<Encoder> {
        *failedStage = stage;
        *errorText = text;
        return nullptr;
    };

    AVFormatContext* format = nullptr;
    const QByteArray url = "file:" + QFile::encodeName(path);
    int result = avformat_alloc_output_context2(&format, nullptr, "ipod", url.constData());
    if (result < 0 || !format)
        return failAt(Stage::container, avErrorText(result));
    encoder->format.reset(format);
    result = avio_open(&encoder->format->pb, url.constData(), AVIO_FLAG_WRITE);
    if (result < 0)
        return failAt(Stage::container, avErrorText(result));
    // Each fragment reaches the disk as soon as it is complete.
    encoder->format->flags |= AVFMT_FLAG_FLUSH_PACKETS;

    QString aacError;
    encoder->aac = AacEncoder::open(outputSampleRate, outputBitRate, &aacError);
    if (!encoder->aac)
        return failAt(Stage::encoder, aacError);

    encoder->stream = avformat_new_stream(encoder->format.get(), nullptr);
    if (!encoder->stream)
        return failAt(Stage::encoder, QStringLiteral("cannot add a stream"));
    encoder->stream->time_base = AVRational{1, outputSampleRate};
    AVCodecParameters* parameters = encoder->stream->codecpar;
    parameters->codec_type = AVMEDIA_TYPE_AUDIO;
    parameters->codec_id = AV_CODEC_ID_AAC;
    parameters->profile = FF_PROFILE_AAC_LOW;
    parameters->sample_rate = outputSampleRate;
    parameters->bit_rate = outputBitRate;
    parameters->frame_size = AacEncoder::frameSamples;
    parameters->initial_padding = AacEncoder::delaySamples;
    av_channel_layout_default(&parameters->ch_layout, 1);
    const QByteArray config = encoder->aac->audioSpecificConfig();
    parameters->extradata = static_cast<uint8_t*>(av_mallocz(size_t(config.size()) + AV_INPUT_BUFFER_PADDING_SIZE));
    if (!parameters->extradata)
        return failAt(Stage::encoder, QStringLiteral("out of memory"));
    std::memcpy(parameters->extradata, config.constData(), size_t(config.size()));
    parameters->extradata_size = int(config.size());

    SwrContext* resampler = nullptr;
    AVChannelLayout mono = AV_CHANNEL_LAYOUT_MONO;
    result = swr_alloc_set_opts2(
        &resampler, &mono, AV_SAMPLE_FMT_S16, outputSampleRate, &mono, AV_SAMPLE_FMT_S16, inputSampleRate, 0, nullptr);
    encoder->resampler.reset(resampler);
    if (result < 0 || !resampler)
        return failAt(Stage::encoder, avErrorText(result));
    result = swr_init(resampler);
    if (result < 0)
        return failAt(Stage::encoder, avErrorText(result));

    encoder->packet.reset(av_packet_alloc());
    if (!encoder->packet)
        return failAt(Stage::encoder, QStringLiteral("out of memory"));

    // An audio stream never starts a fragment by itself: a fragment every
    // second bounds what a crash can take.
    AVDictionary* options = nullptr;
    if (av_dict_set(&options, "movflags", "frag_keyframe+empty_moov+default_base_moof", 0) < 0
        || av_dict_set(&options, "frag_duration", "1000000", 0) < 0) {
        av_dict_free(&options);
        return failAt(Stage::header, QStringLiteral("out of memory"));
    }
    result = avformat_write_header(encoder->format.get(), &options);
    std::unique_ptr<AVDictionary, DictionaryDeleter> unused(options);
    if (result < 0)
        return failAt(Stage::header, avErrorText(result));
    avio_flush(encoder->format->pb);
    if (encoder->format->pb->error < 0)
        return failAt(Stage::header, avErrorText(encoder->format->pb->error));
    encoder->wholeBytes = avio_tell(encoder->format->pb);
    return encoder;
}

bool AudioRecordingService::Encoder::fail(int error)
{
    return fail(avErrorText(error));
}

bool AudioRecordingService::Encoder::fail(const QString& text)
{
    hasFailed = true;
    failure = text;
    return false;
}

bool AudioRecordingService::Encoder::write(const int16_t* samples, int frames)
{
    const int capacity = swr_get_out_samples(resampler.get(), frames);
    if (capacity < 0)
        return false;
    const size_t held = pending.size();
    pending.resize(held + size_t(capacity));
    uint8_t* output[] = {reinterpret_cast<uint8_t*>(pending.data() + held)};
    const uint8_t* input[] = {reinterpret_cast<const uint8_t*>(samples)};
    const int converted = swr_convert(resampler.get(), output, capacity, samples ? input : nullptr, frames);
    pending.resize(held + size_t(std::max(converted, 0)));
    if (converted < 0)
        return false;
    return encodeWholeFrames();
}

bool AudioRecordingService::Encoder::encodeWholeFrames()
{
    size_t offset = 0;
    while (pending.size() - offset >= size_t(AacEncoder::frameSamples)) {
        if (!encode(pending.data() + offset))
            return false;
        offset += AacEncoder::frameSamples;
    }
    pending.erase(pending.begin(), pending.begin() + qsizetype(offset));
    return true;
}

bool AudioRecordingService::Encoder::encode(const int16_t* frame)
{
    const std::optional<QByteArrayView> aacFrame = aac->encode(frame);
    if (!aacFrame)
        return fail(QStringLiteral("the AAC encoder failed"));
    int result = av_new_packet(packet.get(), int(aacFrame->size()));
    if (result < 0)
        return fail(result);
    std::memcpy(packet->data, aacFrame->constData(), size_t(aacFrame->size()));
    packet->pts = packet->dts = nextPts;
    packet->duration = AacEncoder::frameSamples;
    packet->stream_index = stream->index;
    nextPts += AacEncoder::frameSamples;
    result = av_write_frame(format.get(), packet.get());
    av_packet_unref(packet.get());
    if (result < 0)
        return fail(result);
    if (format->pb->error < 0)
        return fail(format->pb->error);
    wholeBytes = avio_tell(format->pb);
    return true;
}

bool AudioRecordingService::Encoder::finish()
{
    if (hasFailed)
        return false;
    // The resampler's delay line, the last partial frame and what the
    // encoder still holds belong to the recording too: silence pushes them out.
    if (!write(nullptr, 0))
        return false;
    const size_t tail = pending.size() + AacEncoder::delaySamples;
    const size_t frames = (tail + AacEncoder::frameSamples - 1) / AacEncoder::frameSamples;
    pending.resize(frames * AacEncoder::frameSamples, 0);
    if (!encodeWholeFrames())
        return false;
    int result = av_write_trailer(format.get());
    if (result < 0)
        return fail(result);
    result = avio_closep(&format->pb);
    if (result < 0)
        return fail(result);
    return true;
}

namespace {

// The worker wakes for this much audio at a time, not for every chunk; the
// encoder also runs faster on a batch than on 20 ms at a time.
constexpr qint64 batchFrames = AudioRecordingService::inputSampleRate / 2;

} // namespace

// One file being written. The worker alone touches the encoder once the
// recording has started.
struct AudioRecordingService::Recording
{
    std::unique_ptr<Encoder> encoder;
    QString path;
    qint64 writtenFrames = 0;
    // Frames taken before writing failed; all of them when it never did.
    qint64 failedAtFrame = std::numeric_limits<qint64>::max();
    bool hasLoggedDrop = false;
};

struct AudioRecordingService::Job
{
    std::shared_ptr<Recording> recording;
    QByteArray pcm;
    bool isFinish = false;
    OutcomeCompletion completion;
};

AudioRecordingService::Outcome AudioRecordingService::finishFile(Recording& recording)
{
    double duration = double(recording.writtenFrames) / double(inputSampleRate);
    const bool finished = recording.encoder->finish();
    const QString failure = recording.encoder->failure;
    const int64_t wholeBytes = recording.encoder->wholeBytes;
    // Closing writes out what is still buffered; only after it can the
    // file be cut back to its last whole fragment.
    recording.encoder.reset();
    if (finished) {
        qCInfo(lcAudioRecording, "Recording saved: %s, duration: %.1fs", qUtf8Printable(recording.path), duration);
        return {QUrl::fromLocalFile(recording.path), duration, true, {}};
    }
    const QString reason = failure.isEmpty() ? QStringLiteral("unknown") : failure;
    qCCritical(lcAudioRecording, "Recording failed: %s", qUtf8Printable(reason));
    if (recording.writtenFrames > 0 && wholeBytes > 0) {
        // The fragments written before the failure still play, and are the
        // only copy of the call: kept, without the torn end.
        if (::truncate(QFile::encodeName(recording.path).constData(), off_t(wholeBytes)) != 0) {
            qCCritical(lcAudioRecording, "Cannot cut %s back to its last whole fragment: %s",
                qUtf8Printable(recording.path), std::strerror(errno));
        }
        duration = std::min(duration, double(recording.failedAtFrame) / double(inputSampleRate));
        qCInfo(lcAudioRecording, "Recording kept in part: %s, about %.1fs written before the failure",
            qUtf8Printable(recording.path), duration);
        return {QUrl::fromLocalFile(recording.path), duration, false, reason};
    }
    QFile::remove(recording.path);
    return {std::nullopt, 0, false, reason};
}

AudioRecordingService::AudioRecordingService()
    : AudioRecordingService(QDir::tempPath())
{ }

AudioRecordingService::AudioRecordingService(const QString& outputDirectory, qint64 queueFrames)
    : m_outputDirectory(outputDirectory)
    , m_queueFrames(queueFrames)
{
    // FFmpeg reports on stderr for every file; only its errors are worth
    // seeing.
    static std::once_flag quietFFmpeg;
    std::call_once(quietFFmpeg, [] {
        if (av_log_get_level() > AV_LOG_ERROR)
            av_log_set_level(AV_LOG_ERROR);
    });
    m_worker = std::thread([this] { runWorker(); });
}

AudioRecordingService::~AudioRecordingService()
{
    stopRecording(nullptr);
    {
        std::lock_guard guard(m_lock);
        m_isStopping = true;
    }
    m_workAvailable.notify_one();
    m_worker.join();
}

bool AudioRecordingService::startRecording()
{
    if (isRecording())
        return false;
    const std::optional<QString> path = createUniqueFile(m_outputDirectory);
    if (!path) {
        qCCritical(lcAudioRecording, "Failed to create AVAssetWriter: %s",
            qUtf8Printable(QStringLiteral("cannot create a file in %1").arg(m_outputDirectory)));
        return false;
    }
    return startRecording(*path);
}

bool AudioRecordingService::startRecording(const QString& filePath)
{
    if (isRecording())
        return false;
    Encoder::Stage failedStage{};
    QString errorText;
    std::unique_ptr<Encoder> encoder = Encoder::open(filePath, &failedStage, &errorText);
    if (!encoder) {
        switch (failedStage) {
        case Encoder::Stage::container:
            qCCritical(lcAudioRecording, "Failed to create AVAssetWriter: %s", qUtf8Printable(errorText));
            break;
        case Encoder::Stage::encoder:
            qCCritical(lcAudioRecording, "Cannot add audio input to asset writer");
            break;
        case Encoder::Stage::header:
            qCCritical(lcAudioRecording, "Failed to start writing: %s",
                errorText.isEmpty() ? "unknown" : qUtf8Printable(errorText));
            break;
        }
        QFile::remove(filePath);
        return false;
    }

    auto recording = std::make_shared<Recording>();
    recording->encoder = std::move(encoder);
    recording->path = filePath;
    std::lock_guard guard(m_lock);
    if (m_isRecording) {
        // Another start won meanwhile; this file is not wanted.
        recording->encoder.reset();
        QFile::remove(filePath);
        return false;
    }
    m_recording = std::move(recording);
    m_sampleOffset = 0;
    m_isRecording = true;
    m_recordingStartDate = QDateTime::currentDateTimeUtc();
    qCInfo(lcAudioRecording, "Recording started: %s", qUtf8Printable(filePath));
    return true;
}

void AudioRecordingService::appendPCMData(QByteArrayView data)
{
    std::unique_lock guard(m_lock);
    if (!m_isRecording || !m_recording || data.size() < 2)
        return;
    const qsizetype frames = data.size() / 2;
    if (m_queuedFrames + frames > m_queueFrames) {
        if (!m_recording->hasLoggedDrop) {
            m_recording->hasLoggedDrop = true;
            qCCritical(lcAudioRecording,
                "The disk does not keep up: the recording drops audio while %.1f s wait to be written",
                double(m_queuedFrames) / inputSampleRate);
        }
        return;
    }
    m_queue.push_back({m_recording, QByteArray(data.data(), frames * 2), false, {}});
    m_queuedFrames += frames;
    m_sampleOffset += frames;
    if (m_queuedFrames >= batchFrames)
        wakeWorker(guard);
}

void AudioRecordingService::wakeWorker(std::unique_lock<std::mutex>& guard)
{
    if (m_isWorkerAwake)
        return;
    m_isWorkerAwake = true;
    guard.unlock();
    m_workAvailable.notify_one();
}

void AudioRecordingService::stopRecording(Completion completion)
{
    finishRecording([completion = std::move(completion)](const Outcome& outcome) {
        if (completion)
            completion(outcome.file, outcome.duration);
    });
}

void AudioRecordingService::finishRecording(OutcomeCompletion completion)
{
    std::unique_lock guard(m_lock);
    if (!m_isRecording) {
        guard.unlock();
        if (completion)
            completion(Outcome{});
        return;
    }
    if (!completion)
        completion = [](const Outcome&) {};
    m_isRecording = false;
    // The finish is queued behind the recording's last chunks, never dropped.
    m_queue.push_back({std::move(m_recording), {}, true, std::move(completion)});
    m_recording.reset();
    m_sampleOffset = 0;
    guard.unlock();
    m_workAvailable.notify_one();
}

void AudioRecordingService::runWorker()
{
    // A name of its own, so profiles and /proc tell the encoder apart.
    if (pthread_setname_np(pthread_self(), "tolvaran-rec") != 0)
        qCDebug(lcAudioRecording, "The recorder thread keeps its inherited name");
    std::unique_lock guard(m_lock);
    while (true) {
        m_isWorkerAwake = false;
        m_workAvailable.wait(guard, [this] {
            return m_isStopping || m_queuedFrames >= batchFrames
                || std::any_of(m_queue.begin(), m_queue.end(), [](const Job& job) { return job.isFinish; });
        });
        m_isWorkerAwake = true;
        if (m_queue.empty() && m_isStopping)
            return;
        while (!m_queue.empty()) {
            Job job = std::move(m_queue.front());
            m_queue.pop_front();
            guard.unlock();

            Recording& recording = *job.recording;
            const qint64 frames = job.pcm.size() / 2;
            if (!job.isFinish) {
                if (recording.encoder && !recording.encoder->hasFailed) {
                    // Chunks come unaligned from a byte buffer: copy into whole samples.
                    std::vector<int16_t> samples(size_t(frames), 0);
                    std::memcpy(samples.data(), job.pcm.constData(), size_t(frames) * 2);
                    if (recording.encoder->write(samples.data(), int(frames))) {
                        recording.writtenFrames += frames;
                    } else if (recording.encoder->hasFailed) {
                        qCCritical(
                            lcAudioRecording, "Failed to write audio: %s", qUtf8Printable(recording.encoder->failure));
                        recording.failedAtFrame = recording.writtenFrames;
                        if (onWriteFailed)
                            onWriteFailed(recording.path, recording.encoder->failure);
                    } else {
                        qCCritical(lcAudioRecording, "Failed to create sample buffer: %d", -1);
                    }
                }
            } else {
                job.completion(finishFile(recording));
            }
            job = Job();
            guard.lock();
            m_queuedFrames -= frames;
        }
    }
}

bool AudioRecordingService::isRecording() const
{
    std::lock_guard guard(m_lock);
    return m_isRecording;
}

std::optional<QDateTime> AudioRecordingService::recordingStartDate() const
{
    std::lock_guard guard(m_lock);
    return m_recordingStartDate;
}

qint64 AudioRecordingService::sampleOffset() const
{
    std::lock_guard guard(m_lock);
    return m_sampleOffset;
}

} // namespace tolvaran
