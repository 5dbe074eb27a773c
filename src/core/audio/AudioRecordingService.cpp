#include "AudioRecordingService.h"

#include <QDir>
#include <QFile>
#include <QLoggingCategory>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <pthread.h>
#include <unistd.h>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/audio_fifo.h>
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
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

struct CodecDeleter
{
    void operator()(AVCodecContext* codec) const { avcodec_free_context(&codec); }
};

struct ResamplerDeleter
{
    void operator()(SwrContext* resampler) const { swr_free(&resampler); }
};

struct FifoDeleter
{
    void operator()(AVAudioFifo* fifo) const { av_audio_fifo_free(fifo); }
};

struct FrameDeleter
{
    void operator()(AVFrame* frame) const { av_frame_free(&frame); }
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

// FFmpeg's state for one file: 16 kHz s16 in, resampled to 44.1 kHz planar
// float, gathered into the encoder's frame size, AAC out into fragmented M4A.
struct AudioRecordingService::Encoder
{
    enum class Stage { container, encoder, header };

    std::unique_ptr<AVFormatContext, FormatDeleter> format;
    std::unique_ptr<AVCodecContext, CodecDeleter> codec;
    std::unique_ptr<SwrContext, ResamplerDeleter> resampler;
    std::unique_ptr<AVAudioFifo, FifoDeleter> fifo;
    std::unique_ptr<AVFrame, FrameDeleter> frame;
    std::unique_ptr<AVPacket, PacketDeleter> packet;
    AVStream* stream = nullptr;
    std::vector<float> resampled;
    int64_t nextPts = 0;
    // Once writing failed (a full disk), nothing more is accepted.
    bool hasFailed = false;
    QString failure;

    static std::unique_ptr<Encoder> open(const QString& path, Stage* failedStage, QString* errorText);

    // False when the samples could not be converted or written.
    bool write(const int16_t* samples, int frames);
    bool finish();

private:
    bool drain(bool all);
    bool encode(const AVFrame* input);
    bool fail(int error);
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

    const AVCodec* aac = avcodec_find_encoder_by_name("aac");
    if (!aac)
        return failAt(Stage::encoder, QStringLiteral("no AAC encoder"));
    encoder->codec.reset(avcodec_alloc_context3(aac));
    if (!encoder->codec)
        return failAt(Stage::encoder, QStringLiteral("out of memory"));
    AVCodecContext* codec = encoder->codec.get();
    codec->sample_fmt = AV_SAMPLE_FMT_FLTP;
    codec->sample_rate = outputSampleRate;
    codec->bit_rate = outputBitRate;
    codec->time_base = AVRational{1, outputSampleRate};
    av_channel_layout_default(&codec->ch_layout, 1);
    if (encoder->format->oformat->flags & AVFMT_GLOBALHEADER)
        codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    // The fast coder costs a fraction of the default search for speech at this
    // bit rate, which matters over calls that last hours.
    AVDictionary* codecOptions = nullptr;
    if (av_dict_set(&codecOptions, "aac_coder", "fast", 0) < 0)
        return failAt(Stage::encoder, QStringLiteral("out of memory"));
    result = avcodec_open2(codec, aac, &codecOptions);
    av_dict_free(&codecOptions);
    if (result < 0)
        return failAt(Stage::encoder, avErrorText(result));

    encoder->stream = avformat_new_stream(encoder->format.get(), nullptr);
    if (!encoder->stream)
        return failAt(Stage::encoder, QStringLiteral("cannot add a stream"));
    encoder->stream->time_base = codec->time_base;
    result = avcodec_parameters_from_context(encoder->stream->codecpar, codec);
    if (result < 0)
        return failAt(Stage::encoder, avErrorText(result));

    SwrContext* resampler = nullptr;
    AVChannelLayout mono = AV_CHANNEL_LAYOUT_MONO;
    result = swr_alloc_set_opts2(
        &resampler, &mono, AV_SAMPLE_FMT_FLTP, outputSampleRate, &mono, AV_SAMPLE_FMT_S16, inputSampleRate, 0, nullptr);
    encoder->resampler.reset(resampler);
    if (result < 0 || !resampler)
        return failAt(Stage::encoder, avErrorText(result));
    result = swr_init(resampler);
    if (result < 0)
        return failAt(Stage::encoder, avErrorText(result));

    const int frameSize = codec->frame_size > 0 ? codec->frame_size : 1024;
    encoder->fifo.reset(av_audio_fifo_alloc(AV_SAMPLE_FMT_FLTP, 1, frameSize * 4));
    encoder->frame.reset(av_frame_alloc());
    encoder->packet.reset(av_packet_alloc());
    if (!encoder->fifo || !encoder->frame || !encoder->packet)
        return failAt(Stage::encoder, QStringLiteral("out of memory"));
    AVFrame* frame = encoder->frame.get();
    frame->format = AV_SAMPLE_FMT_FLTP;
    frame->sample_rate = outputSampleRate;
    frame->nb_samples = frameSize;
    result = av_channel_layout_copy(&frame->ch_layout, &codec->ch_layout);
    if (result >= 0)
        result = av_frame_get_buffer(frame, 0);
    if (result < 0)
        return failAt(Stage::encoder, avErrorText(result));

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
    return encoder;
}

bool AudioRecordingService::Encoder::fail(int error)
{
    hasFailed = true;
    failure = avErrorText(error);
    return false;
}

bool AudioRecordingService::Encoder::write(const int16_t* samples, int frames)
{
    const int capacity = swr_get_out_samples(resampler.get(), frames);
    if (capacity < 0)
        return false;
    resampled.resize(size_t(capacity));
    uint8_t* output[] = {reinterpret_cast<uint8_t*>(resampled.data())};
    const uint8_t* input[] = {reinterpret_cast<const uint8_t*>(samples)};
    const int converted = swr_convert(resampler.get(), output, capacity, samples ? input : nullptr, frames);
    if (converted < 0)
        return false;
    void* planes[] = {resampled.data()};
    if (converted > 0 && av_audio_fifo_write(fifo.get(), planes, converted) < converted)
        return false;
    return drain(false);
}

bool AudioRecordingService::Encoder::drain(bool all)
{
    const int frameSize = codec->frame_size > 0 ? codec->frame_size : 1024;
    while (av_audio_fifo_size(fifo.get()) >= frameSize || (all && av_audio_fifo_size(fifo.get()) > 0)) {
        // The encoder may still hold the previous frame's buffer.
        int result = av_frame_make_writable(frame.get());
        if (result < 0)
            return fail(result);
        const int count = std::min(frameSize, av_audio_fifo_size(fifo.get()));
        frame->nb_samples = count;
        void* planes[] = {frame->data[0]};
        if (av_audio_fifo_read(fifo.get(), planes, count) < count)
            return false;
        frame->pts = nextPts;
        nextPts += count;
        if (!encode(frame.get()))
            return false;
    }
    return true;
}

bool AudioRecordingService::Encoder::encode(const AVFrame* input)
{
    int result = avcodec_send_frame(codec.get(), input);
    if (result < 0 && result != AVERROR_EOF)
        return fail(result);
    while (true) {
        result = avcodec_receive_packet(codec.get(), packet.get());
        if (result == AVERROR(EAGAIN) || result == AVERROR_EOF)
            return true;
        if (result < 0)
            return fail(result);
        av_packet_rescale_ts(packet.get(), codec->time_base, stream->time_base);
        packet->stream_index = stream->index;
        result = av_write_frame(format.get(), packet.get());
        av_packet_unref(packet.get());
        if (result < 0)
            return fail(result);
    }
}

bool AudioRecordingService::Encoder::finish()
{
    if (hasFailed)
        return false;
    // The resampler's delay line and the last partial frame belong to the
    // recording too.
    if (!write(nullptr, 0) || !drain(true) || !encode(nullptr))
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
    bool hasLoggedDrop = false;
};

struct AudioRecordingService::Job
{
    std::shared_ptr<Recording> recording;
    QByteArray pcm;
    bool isFinish = false;
    Completion completion;
};

AudioRecordingService::AudioRecordingService()
    : AudioRecordingService(QDir::tempPath())
{ }

AudioRecordingService::AudioRecordingService(const QString& outputDirectory, qint64 queueFrames)
    : m_outputDirectory(outputDirectory)
    , m_queueFrames(queueFrames)
{
    // FFmpeg reports encoder statistics on stderr for every file; only its
    // errors are worth seeing.
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
    std::unique_lock guard(m_lock);
    if (!m_isRecording) {
        guard.unlock();
        if (completion)
            completion(std::nullopt, 0);
        return;
    }
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
                    } else {
                        qCCritical(lcAudioRecording, "Failed to create sample buffer: %d", -1);
                    }
                }
            } else {
                const double duration = double(recording.writtenFrames) / double(inputSampleRate);
                const bool finished = recording.encoder->finish();
                const QString failure = recording.encoder->failure;
                recording.encoder.reset();
                if (finished) {
                    qCInfo(lcAudioRecording, "Recording saved: %s, duration: %.1fs", qUtf8Printable(recording.path),
                        duration);
                    if (job.completion)
                        job.completion(QUrl::fromLocalFile(recording.path), duration);
                } else if (recording.writtenFrames > 0) {
                    // Writing stopped part way (a full disk, a failed last flush
                    // or close): the fragments written so far still play, and
                    // are the only copy of the call.
                    qCCritical(lcAudioRecording, "Recording failed: %s", qUtf8Printable(failure));
                    qCInfo(lcAudioRecording, "Recording saved: %s, duration: %.1fs", qUtf8Printable(recording.path),
                        duration);
                    if (job.completion)
                        job.completion(QUrl::fromLocalFile(recording.path), duration);
                } else {
                    qCCritical(lcAudioRecording, "Recording failed: %s",
                        failure.isEmpty() ? "unknown" : qUtf8Printable(failure));
                    QFile::remove(recording.path);
                    if (job.completion)
                        job.completion(std::nullopt, 0);
                }
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
