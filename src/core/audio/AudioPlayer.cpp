#include "AudioPlayer.h"

#include "recordings/AudioFileDuration.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLoggingCategory>

#include <algorithm>
#include <cmath>
#include <gst/gst.h>
#include <mutex>

Q_LOGGING_CATEGORY(lcAudioPlayer, "com.tolvaran.app.AudioPlayer")

namespace tolvaran {

namespace {

// playbin's GstPlayFlags: audio only, with its own volume; no video or
// subtitle branches are built.
constexpr guint playAudio = 0x2;
constexpr guint playSoftVolume = 0x10;

bool initGStreamer(QString* reason)
{
    static std::once_flag once;
    static bool ok = false;
    static QString failure;
    std::call_once(once, [] {
        GError* error = nullptr;
        ok = gst_init_check(nullptr, nullptr, &error);
        // Its registry and threads go with the application, so that a leak
        // checker sees only what is ours. Every player is gone by then.
        if (ok)
            qAddPostRoutine([] { gst_deinit(); });
        if (!ok)
            failure = error ? QString::fromUtf8(error->message) : QStringLiteral("GStreamer did not start");
        g_clear_error(&error);
    });
    if (!ok && reason)
        *reason = failure;
    return ok;
}

QString errorText(GstMessage* message)
{
    GError* error = nullptr;
    gchar* debug = nullptr;
    gst_message_parse_error(message, &error, &debug);
    QString text = error ? QString::fromUtf8(error->message) : QStringLiteral("unknown error");
    g_clear_error(&error);
    g_free(debug);
    return text;
}

struct ElementUnref
{
    void operator()(GstElement* element) const { gst_object_unref(element); }
};

struct BusUnref
{
    void operator()(GstBus* bus) const { gst_object_unref(bus); }
};

} // namespace

struct AudioPlayer::Pipeline
{
    std::unique_ptr<GstElement, ElementUnref> playbin;
    std::unique_ptr<GstBus, BusUnref> bus;

    ~Pipeline()
    {
        // Stops the streaming threads before the bus forgets its handler.
        if (playbin)
            gst_element_set_state(playbin.get(), GST_STATE_NULL);
        if (bus)
            gst_bus_set_sync_handler(bus.get(), nullptr, nullptr, nullptr);
    }
};

std::unique_ptr<AudioPlayer> AudioPlayer::load(const QString& path, QString* errorText)
{
    const auto fail = [&](const QString& reason) -> std::unique_ptr<AudioPlayer> {
        qCWarning(lcAudioPlayer, "Cannot play %s: %s", qUtf8Printable(path), qUtf8Printable(reason));
        if (errorText)
            *errorText = reason;
        return nullptr;
    };
    QString reason;
    if (!initGStreamer(&reason))
        return fail(reason);
    // playbin would take a folder or a pipe and fail later, less clearly.
    const QFileInfo file(path);
    if (!file.isFile())
        return fail(QStringLiteral("no such file"));

    auto pipeline = std::make_unique<Pipeline>();
    pipeline->playbin.reset(gst_element_factory_make("playbin", nullptr));
    if (!pipeline->playbin)
        return fail(QStringLiteral("the GStreamer element playbin is missing (gstreamer1.0-plugins-base)"));
    GstElement* tempo = gst_element_factory_make("scaletempo", nullptr);
    if (!tempo)
        return fail(QStringLiteral("the GStreamer element scaletempo is missing (gstreamer1.0-plugins-good)"));
    // playbin takes the floating reference.
    g_object_set(pipeline->playbin.get(), "audio-filter", tempo, "flags", playAudio | playSoftVolume, nullptr);

    GError* uriError = nullptr;
    gchar* uri = gst_filename_to_uri(QFile::encodeName(file.absoluteFilePath()).constData(), &uriError);
    if (!uri) {
        const QString text = uriError ? QString::fromUtf8(uriError->message) : QStringLiteral("unusable path");
        g_clear_error(&uriError);
        return fail(text);
    }
    g_object_set(pipeline->playbin.get(), "uri", uri, nullptr);
    g_free(uri);

    pipeline->bus.reset(gst_element_get_bus(pipeline->playbin.get()));
    // Opens the file and the output and fills the pipeline, so that a file
    // that cannot be played fails here and not at the first play.
    if (gst_element_set_state(pipeline->playbin.get(), GST_STATE_PAUSED) == GST_STATE_CHANGE_FAILURE) {
        GstMessage* message = gst_bus_pop_filtered(pipeline->bus.get(), GST_MESSAGE_ERROR);
        const QString text = message ? tolvaran::errorText(message) : QStringLiteral("the file cannot be opened");
        if (message)
            gst_message_unref(message);
        return fail(text);
    }
    GstMessage* message = gst_bus_timed_pop_filtered(pipeline->bus.get(), GstClockTime(loadTimeoutMs) * GST_MSECOND,
        GstMessageType(GST_MESSAGE_ASYNC_DONE | GST_MESSAGE_ERROR));
    if (!message)
        return fail(QStringLiteral("the file or the sound output did not get ready in time"));
    const bool failed = GST_MESSAGE_TYPE(message) == GST_MESSAGE_ERROR;
    const QString text = failed ? tolvaran::errorText(message) : QString();
    gst_message_unref(message);
    if (failed)
        return fail(text);
    // What came before is history now.
    while (GstMessage* old = gst_bus_pop(pipeline->bus.get()))
        gst_message_unref(old);

    // The demuxer knows only the fragments it has read so far of a
    // fragmented file, as the recorder writes them; the packets tell it all.
    double duration = audioFileDuration(path);
    gint64 nanoseconds = -1;
    if (duration <= 0 && gst_element_query_duration(pipeline->playbin.get(), GST_FORMAT_TIME, &nanoseconds)
        && nanoseconds > 0)
        duration = double(nanoseconds) / GST_SECOND;
    // The output is let go until the first play. The sound server's clock
    // runs from when the output opens: a play long after would first wait
    // out that time in silence.
    gst_element_set_state(pipeline->playbin.get(), GST_STATE_READY);
    return std::unique_ptr<AudioPlayer>(new AudioPlayer(std::move(pipeline), duration));
}

AudioPlayer::AudioPlayer(std::unique_ptr<Pipeline> pipeline, double duration)
    : m_pipeline(std::move(pipeline))
    , m_duration(duration)
{
    // Runs on whichever thread posts the message; the message is taken apart
    // there and handed to the main thread. A call still queued when the
    // player goes is dropped with it.
    gst_bus_set_sync_handler(
        m_pipeline->bus.get(),
        [](GstBus*, GstMessage* message, gpointer data) -> GstBusSyncReply {
            auto* player = static_cast<AudioPlayer*>(data);
            const GstMessageType type = GST_MESSAGE_TYPE(message);
            if (type == GST_MESSAGE_EOS || type == GST_MESSAGE_ERROR || type == GST_MESSAGE_ASYNC_DONE) {
                const QString text = type == GST_MESSAGE_ERROR ? errorText(message) : QString();
                const quint64 generation = player->m_seekGeneration.load();
                QMetaObject::invokeMethod(
                    player, [player, type, text, generation] { player->handleMessage(int(type), text, generation); },
                    Qt::QueuedConnection);
            }
            return GST_BUS_DROP;
        },
        this, nullptr);
}

AudioPlayer::~AudioPlayer() = default;

void AudioPlayer::handleMessage(int type, const QString& text, quint64 seekGeneration)
{
    switch (GstMessageType(type)) {
    case GST_MESSAGE_EOS:
        m_isAtEnd = true;
        if (m_isPlaying) {
            m_isPlaying = false;
            emit finished();
        }
        break;
    case GST_MESSAGE_ERROR:
        qCWarning(lcAudioPlayer, "Playback stopped: %s", qUtf8Printable(text));
        m_isPlaying = false;
        m_isSeeking = false;
        m_start = Start::none;
        gst_element_set_state(m_pipeline->playbin.get(), GST_STATE_PAUSED);
        emit errorOccurred(text);
        break;
    case GST_MESSAGE_ASYNC_DONE:
        if (seekGeneration != m_seekGeneration.load())
            break;
        if (m_start == Start::opening) {
            m_start = Start::seeking;
            // At the start and at the normal rate the file is already there.
            if ((m_seekTarget > 0 || m_rate != 1.0f) && seek(m_seekTarget, m_rate))
                break;
        }
        m_isSeeking = false;
        if (m_start == Start::seeking) {
            m_start = Start::none;
            if (m_isPlaying
                && gst_element_set_state(m_pipeline->playbin.get(), GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE) {
                qCWarning(lcAudioPlayer, "The player did not start");
                m_isPlaying = false;
            }
        }
        break;
    default:
        break;
    }
}

double AudioPlayer::currentTime() const
{
    if (m_isSeeking || m_start != Start::none)
        return m_seekTarget;
    if (m_isAtEnd)
        return m_duration;
    gint64 nanoseconds = 0;
    if (!gst_element_query_position(m_pipeline->playbin.get(), GST_FORMAT_TIME, &nanoseconds) || nanoseconds < 0)
        return m_seekTarget;
    return std::min(double(nanoseconds) / GST_SECOND, m_duration);
}

bool AudioPlayer::seek(double seconds, float rate)
{
    const double target = std::clamp(std::isfinite(seconds) ? seconds : 0.0, 0.0, m_duration);
    // Without an output there is nothing to move: the start goes there.
    if (m_start == Start::idle || m_start == Start::opening) {
        m_isAtEnd = false;
        m_seekTarget = target;
        return true;
    }
    // Counted before it is sent: the pipeline may be filled again before
    // the call returns, and that "done" must count as this seek's.
    ++m_seekGeneration;
    const bool ok = gst_element_seek(m_pipeline->playbin.get(), rate, GST_FORMAT_TIME,
        GstSeekFlags(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_ACCURATE), GST_SEEK_TYPE_SET,
        gint64(std::llround(target * GST_SECOND)), GST_SEEK_TYPE_NONE, GST_CLOCK_TIME_NONE);
    if (!ok) {
        qCWarning(lcAudioPlayer, "Seeking to %.3f s at %.2fx failed", target, double(rate));
        return false;
    }
    m_isAtEnd = false;
    m_seekTarget = target;
    m_isSeeking = true;
    return true;
}

void AudioPlayer::setCurrentTime(double seconds)
{
    seek(seconds, m_rate);
}

void AudioPlayer::setRate(float rate)
{
    if (!(rate > 0) || !std::isfinite(rate))
        return;
    const double position = currentTime();
    m_rate = rate;
    seek(m_isAtEnd ? m_duration : position, rate);
}

void AudioPlayer::play()
{
    if (m_isPlaying)
        return;
    if (m_isAtEnd)
        seek(0, m_rate);
    if (m_start == Start::idle) {
        // Opened now and played as soon as it is filled, at the place and
        // rate chosen meanwhile.
        ++m_seekGeneration;
        if (gst_element_set_state(m_pipeline->playbin.get(), GST_STATE_PAUSED) == GST_STATE_CHANGE_FAILURE) {
            qCWarning(lcAudioPlayer, "The player did not start");
            return;
        }
        m_start = Start::opening;
        m_isPlaying = true;
        return;
    }
    m_isPlaying = true;
    if (m_start != Start::none)
        return;
    if (gst_element_set_state(m_pipeline->playbin.get(), GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE) {
        qCWarning(lcAudioPlayer, "The player did not start");
        m_isPlaying = false;
    }
}

void AudioPlayer::pause()
{
    m_isPlaying = false;
    // Not played yet: the output is let go again, as before the first play.
    if (m_start != Start::none) {
        if (m_start != Start::idle) {
            ++m_seekGeneration;
            m_isSeeking = false;
            gst_element_set_state(m_pipeline->playbin.get(), GST_STATE_READY);
            m_start = Start::idle;
        }
        return;
    }
    // Paused first, so that the position read next is where it stopped.
    gst_element_set_state(m_pipeline->playbin.get(), GST_STATE_PAUSED);
}

void AudioPlayer::stop()
{
    pause();
    seek(0, m_rate);
}

} // namespace tolvaran
