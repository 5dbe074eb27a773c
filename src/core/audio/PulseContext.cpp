#include "PulseContext.h"

#include <QLoggingCategory>

#include <cstring>
#include <pulse/pulseaudio.h>

Q_LOGGING_CATEGORY(lcPulse, "com.tolvaran.app.Pulse")

namespace tolvaran {

namespace {

template<typename Info>
struct QueryResult
{
    explicit QueryResult(pa_threaded_mainloop* loop)
        : mainloop(loop)
    { }

    pa_threaded_mainloop* mainloop;
    QList<Info> items;
};

void onSourceInfo(pa_context*, const pa_source_info* info, int eol, void* userdata)
{
    auto* result = static_cast<QueryResult<PulseContext::SourceInfo>*>(userdata);
    if (eol == 0 && info)
        result->items.append(PulseContext::toSourceInfo(*info));
    else
        pa_threaded_mainloop_signal(result->mainloop, 0);
}

void onSourceOutputInfo(pa_context*, const pa_source_output_info* info, int eol, void* userdata)
{
    auto* result = static_cast<QueryResult<PulseContext::SourceOutputInfo>*>(userdata);
    if (eol != 0 || !info) {
        pa_threaded_mainloop_signal(result->mainloop, 0);
        return;
    }
    PulseContext::SourceOutputInfo output;
    output.sourceIndex = info->source;
    output.isCorked = info->corked != 0;
    bool ok = false;
    const qint64 pid = QByteArray(pa_proplist_gets(info->proplist, PA_PROP_APPLICATION_PROCESS_ID)).toLongLong(&ok);
    if (ok)
        output.processId = pid;
    result->items.append(output);
}

void onSinkInfo(pa_context*, const pa_sink_info* info, int eol, void* userdata)
{
    auto* result = static_cast<QueryResult<PulseContext::SinkInfo>*>(userdata);
    if (eol == 0 && info) {
        result->items.append(
            {QString::fromUtf8(info->name), QString::fromUtf8(info->description ? info->description : info->name),
                QString::fromUtf8(info->monitor_source_name)});
    } else {
        pa_threaded_mainloop_signal(result->mainloop, 0);
    }
}

void onServerInfo(pa_context*, const pa_server_info* info, void* userdata)
{
    auto* result = static_cast<QueryResult<PulseContext::ServerInfo>*>(userdata);
    if (info) {
        result->items.append({QString::fromUtf8(info->default_sink_name ? info->default_sink_name : ""),
            QString::fromUtf8(info->default_source_name ? info->default_source_name : "")});
    }
    pa_threaded_mainloop_signal(result->mainloop, 0);
}

// A limit on a wait for the server, on the event loop's clock; the waiter
// wakes when it passes. Create and destroy with the lock held.
class Deadline
{
public:
    Deadline(pa_context* context, pa_threaded_mainloop* mainloop, std::chrono::milliseconds timeout)
        : m_mainloop(mainloop)
    {
        const auto usec = pa_usec_t(std::chrono::duration_cast<std::chrono::microseconds>(timeout).count());
        m_timer = pa_context_rttime_new(context, pa_rtclock_now() + usec, &Deadline::onTimeout, this);
    }

    ~Deadline()
    {
        if (m_timer)
            pa_threaded_mainloop_get_api(m_mainloop)->time_free(m_timer);
    }

    Deadline(const Deadline&) = delete;
    Deadline& operator=(const Deadline&) = delete;

    bool hasPassed() const { return m_hasPassed; }

private:
    static void onTimeout(pa_mainloop_api*, pa_time_event*, const struct timeval*, void* userdata)
    {
        auto* deadline = static_cast<Deadline*>(userdata);
        deadline->m_hasPassed = true;
        pa_threaded_mainloop_signal(deadline->m_mainloop, 0);
    }

    pa_threaded_mainloop* m_mainloop;
    pa_time_event* m_timer = nullptr;
    bool m_hasPassed = false;
};

} // namespace

PulseContext::Lock::Lock(const PulseContext& pulse)
    : m_mainloop(pulse.mainloop())
{
    pa_threaded_mainloop_lock(m_mainloop);
}

PulseContext::Lock::~Lock()
{
    pa_threaded_mainloop_unlock(m_mainloop);
}

void PulseContext::MainloopDeleter::operator()(pa_threaded_mainloop* mainloop) const
{
    pa_threaded_mainloop_stop(mainloop);
    pa_threaded_mainloop_free(mainloop);
}

void PulseContext::ContextDeleter::operator()(pa_context* context) const
{
    pa_context_set_state_callback(context, nullptr, nullptr);
    pa_context_disconnect(context);
    pa_context_unref(context);
}

std::unique_ptr<PulseContext> PulseContext::connect(const QString& clientName, std::chrono::milliseconds timeout,
    QString* errorText, const std::optional<QString>& server)
{
    const auto fail = [errorText](const QString& reason) {
        if (errorText)
            *errorText = reason;
        return nullptr;
    };

    std::unique_ptr<PulseContext> pulse(new PulseContext);
    pulse->m_mainloop.reset(pa_threaded_mainloop_new());
    if (!pulse->m_mainloop)
        return fail(QStringLiteral("Cannot create the sound server event loop"));
    pulse->m_context.reset(
        pa_context_new(pa_threaded_mainloop_get_api(pulse->mainloop()), clientName.toUtf8().constData()));
    if (!pulse->m_context)
        return fail(QStringLiteral("Cannot create a sound server context"));
    pa_context_set_state_callback(pulse->context(), &PulseContext::onStateChanged, pulse.get());

    const QByteArray serverAddress = server ? server->toUtf8() : QByteArray();
    if (pa_context_connect(
            pulse->context(), server ? serverAddress.constData() : nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr)
        < 0) {
        return fail(QStringLiteral("No sound server: %1")
                        .arg(QString::fromUtf8(pa_strerror(pa_context_errno(pulse->context())))));
    }
    if (pa_threaded_mainloop_start(pulse->mainloop()) < 0)
        return fail(QStringLiteral("Cannot start the sound server event loop"));

    pa_threaded_mainloop_lock(pulse->mainloop());
    pa_context_state_t state = pa_context_get_state(pulse->context());
    bool timedOut = false;
    {
        const Deadline deadline(pulse->context(), pulse->mainloop(), timeout);
        while (state != PA_CONTEXT_READY && PA_CONTEXT_IS_GOOD(state) && !deadline.hasPassed()) {
            pa_threaded_mainloop_wait(pulse->mainloop());
            state = pa_context_get_state(pulse->context());
        }
        timedOut = deadline.hasPassed();
    }
    pulse->m_wasReady = state == PA_CONTEXT_READY;
    const QString reason = timedOut ? QStringLiteral("the sound server did not answer in time")
                                    : QString::fromUtf8(pa_strerror(pa_context_errno(pulse->context())));
    pa_threaded_mainloop_unlock(pulse->mainloop());
    if (pulse->m_wasReady)
        return pulse;
    return fail(QStringLiteral("No sound server: %1").arg(reason));
}

PulseContext::~PulseContext()
{
    if (!m_mainloop)
        return;
    // Stop the event thread first, so no callback runs while the context goes.
    pa_threaded_mainloop_stop(m_mainloop.get());
    m_context.reset();
}

void PulseContext::onStateChanged(pa_context* context, void* userdata)
{
    auto* pulse = static_cast<PulseContext*>(userdata);
    const pa_context_state_t state = pa_context_get_state(context);
    if (pulse->m_wasReady && !PA_CONTEXT_IS_GOOD(state)) {
        qCWarning(lcPulse, "Connection to the sound server lost: %s", pa_strerror(pa_context_errno(context)));
        if (pulse->m_onConnectionLost)
            pulse->m_onConnectionLost();
    }
    pa_threaded_mainloop_signal(pulse->mainloop(), 0);
}

bool PulseContext::isConnected() const
{
    Lock lock(*this);
    return pa_context_get_state(context()) == PA_CONTEXT_READY;
}

QString PulseContext::lastError() const
{
    Lock lock(*this);
    return QString::fromUtf8(pa_strerror(pa_context_errno(context())));
}

void PulseContext::setOnConnectionLost(std::function<void()> handler)
{
    m_onConnectionLost = std::move(handler);
}

bool PulseContext::waitFor(pa_operation* operation, std::chrono::milliseconds timeout) const
{
    if (!operation)
        return false;
    pa_operation_state_t state = pa_operation_get_state(operation);
    {
        const Deadline deadline(context(), mainloop(), timeout);
        while (state == PA_OPERATION_RUNNING && PA_CONTEXT_IS_GOOD(pa_context_get_state(context()))
            && !deadline.hasPassed()) {
            pa_threaded_mainloop_wait(mainloop());
            state = pa_operation_get_state(operation);
        }
    }
    if (state == PA_OPERATION_RUNNING) {
        // A server that stopped answering must not hold the caller: its
        // answer, should it come, goes nowhere.
        qCWarning(lcPulse, "The sound server did not answer in time");
        pa_operation_cancel(operation);
    }
    pa_operation_unref(operation);
    return state == PA_OPERATION_DONE;
}

bool PulseContext::waitForStreamReady(pa_stream* stream, std::chrono::milliseconds timeout, QString* errorText) const
{
    pa_stream_state_t state = pa_stream_get_state(stream);
    bool timedOut = false;
    {
        const Deadline deadline(context(), mainloop(), timeout);
        while (state == PA_STREAM_CREATING && PA_CONTEXT_IS_GOOD(pa_context_get_state(context()))
            && !deadline.hasPassed()) {
            pa_threaded_mainloop_wait(mainloop());
            state = pa_stream_get_state(stream);
        }
        timedOut = deadline.hasPassed();
    }
    if (state == PA_STREAM_READY)
        return true;
    if (errorText) {
        *errorText = timedOut && state == PA_STREAM_CREATING
            ? QStringLiteral("the sound server did not answer in time")
            : QString::fromUtf8(pa_strerror(pa_context_errno(context())));
    }
    return false;
}

bool PulseContext::connectRecord(pa_stream* stream, const QString& source, quint32 fragmentBytes)
{
    pa_buffer_attr attributes;
    attributes.maxlength = uint32_t(-1);
    attributes.tlength = uint32_t(-1);
    attributes.prebuf = uint32_t(-1);
    attributes.minreq = uint32_t(-1);
    attributes.fragsize = fragmentBytes;
    const QByteArray name = source.toUtf8();
    return pa_stream_connect_record(stream, name.constData(), &attributes, PA_STREAM_ADJUST_LATENCY) >= 0;
}

void PulseContext::releaseStream(pa_stream*& stream)
{
    if (!stream)
        return;
    pa_stream_set_state_callback(stream, nullptr, nullptr);
    pa_stream_set_read_callback(stream, nullptr, nullptr);
    pa_stream_set_moved_callback(stream, nullptr, nullptr);
    pa_stream_disconnect(stream);
    pa_stream_unref(stream);
    stream = nullptr;
}

void PulseContext::appendReadableSamples(pa_stream* stream, std::vector<float>& samples)
{
    while (pa_stream_readable_size(stream) > 0) {
        const void* data = nullptr;
        size_t bytes = 0;
        if (pa_stream_peek(stream, &data, &bytes) < 0 || bytes == 0)
            break;
        const size_t count = bytes / sizeof(float);
        if (data) {
            const auto* first = static_cast<const float*>(data);
            samples.insert(samples.end(), first, first + count);
        } else {
            samples.resize(samples.size() + count, 0.0f);
        }
        pa_stream_drop(stream);
    }
}

pa_operation* PulseContext::askSourceKind(pa_context* context, const char* name, SourceKindListener* listener)
{
    return pa_context_get_source_info_by_name(
        context, name,
        [](pa_context*, const pa_source_info* source, int eol, void* userdata) {
            auto* told = static_cast<SourceKindListener*>(userdata);
            if (eol != 0 || !source || !told->recordingStream())
                return;
            const char* current = pa_stream_get_device_name(told->recordingStream());
            if (!current || std::strcmp(current, source->name) != 0)
                return;
            told->sourceKindKnown(source->monitor_of_sink != PA_INVALID_INDEX, source->name);
        },
        listener);
}

bool PulseOperations::track(pa_operation* operation)
{
    std::erase_if(m_operations, [](pa_operation* done) {
        if (pa_operation_get_state(done) == PA_OPERATION_RUNNING)
            return false;
        pa_operation_unref(done);
        return true;
    });
    if (!operation)
        return false;
    m_operations.push_back(operation);
    return true;
}

void PulseOperations::cancelAll()
{
    for (pa_operation* operation : m_operations) {
        pa_operation_cancel(operation);
        pa_operation_unref(operation);
    }
    m_operations.clear();
}

void PulseContext::discardReadable(pa_stream* stream)
{
    while (pa_stream_readable_size(stream) > 0) {
        const void* data = nullptr;
        size_t bytes = 0;
        if (pa_stream_peek(stream, &data, &bytes) < 0 || bytes == 0)
            break;
        pa_stream_drop(stream);
    }
}

PulseContext::SourceInfo PulseContext::toSourceInfo(const pa_source_info& info)
{
    PulseContext::SourceInfo source;
    source.index = info.index;
    source.name = QString::fromUtf8(info.name);
    source.description = QString::fromUtf8(info.description ? info.description : info.name);
    source.isMonitor = info.monitor_of_sink != PA_INVALID_INDEX;
    source.isRunning = info.state == PA_SOURCE_RUNNING;
    source.sampleRate = info.sample_spec.rate;
    source.channels = info.sample_spec.channels;
    return source;
}

QList<PulseContext::SourceOutputInfo> PulseContext::sourceOutputs() const
{
    Lock lock(*this);
    QueryResult<SourceOutputInfo> result(mainloop());
    if (!waitFor(pa_context_get_source_output_info_list(context(), onSourceOutputInfo, &result)))
        return {};
    return result.items;
}

std::optional<PulseContext::ServerInfo> PulseContext::serverInfo() const
{
    Lock lock(*this);
    QueryResult<ServerInfo> result(mainloop());
    if (!waitFor(pa_context_get_server_info(context(), onServerInfo, &result)) || result.items.isEmpty())
        return std::nullopt;
    return result.items.first();
}

std::optional<PulseContext::SinkInfo> PulseContext::sink(const QString& name) const
{
    Lock lock(*this);
    QueryResult<SinkInfo> result(mainloop());
    const QByteArray sinkName = name.toUtf8();
    if (!waitFor(pa_context_get_sink_info_by_name(context(), sinkName.constData(), onSinkInfo, &result))
        || result.items.isEmpty())
        return std::nullopt;
    return result.items.first();
}

std::optional<PulseContext::SourceInfo> PulseContext::source(const QString& name) const
{
    Lock lock(*this);
    QueryResult<SourceInfo> result(mainloop());
    const QByteArray sourceName = name.toUtf8();
    if (!waitFor(pa_context_get_source_info_by_name(context(), sourceName.constData(), onSourceInfo, &result))
        || result.items.isEmpty())
        return std::nullopt;
    return result.items.first();
}

QList<PulseContext::SourceInfo> PulseContext::sources() const
{
    Lock lock(*this);
    QueryResult<SourceInfo> result(mainloop());
    if (!waitFor(pa_context_get_source_info_list(context(), onSourceInfo, &result)))
        return {};
    return result.items;
}

} // namespace tolvaran
