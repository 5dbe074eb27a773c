#include "PulseEngine.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QPromise>

#include <mutex>
#include <pulse/pulseaudio.h>

Q_LOGGING_CATEGORY(lcPulse, "com.tolvaran.app.Pulse")

namespace tolvaran {

namespace {

std::mutex registryLock;
std::map<QString, std::weak_ptr<PulseEngine>> registry;

void onChange(pa_context*, pa_subscription_event_type_t event, uint32_t index, void* userdata)
{
    static_cast<PulseEngine*>(userdata)->dispatchChange(
        event & PA_SUBSCRIPTION_EVENT_FACILITY_MASK, event & PA_SUBSCRIPTION_EVENT_TYPE_MASK, index);
}

// One query in flight: its operation, its deadline and the promise the caller
// awaits. Lives on the event thread and deletes itself once answered.
template<typename T>
class QueryOf final : public PulseEngine::Query
{
public:
    explicit QueryOf(PulseEngine* engine)
        : m_engine(engine)
    {
        m_promise.start();
    }

    QFuture<std::optional<T>> future() { return m_promise.future(); }

    // With the lock held, on the event thread.
    void begin(pa_operation* operation)
    {
        if (!operation) {
            finish(std::nullopt);
            return;
        }
        m_operation = operation;
        m_engine->track(this);
        m_timer = m_engine->startTimer(PulseEngine::queryTimeout, [this] {
            m_timer = nullptr;
            qCWarning(lcPulse, "The sound server did not answer in time");
            finish(std::nullopt);
        });
    }

    void finish(std::optional<T> value)
    {
        m_engine->cancelTimer(m_timer);
        m_engine->untrack(this);
        if (m_operation) {
            // A late answer must find nobody.
            if (pa_operation_get_state(m_operation) == PA_OPERATION_RUNNING)
                pa_operation_cancel(m_operation);
            pa_operation_unref(m_operation);
        }
        m_promise.addResult(std::move(value));
        m_promise.finish();
        delete this;
    }

    void abandon() override { finish(std::nullopt); }

    T items{};

private:
    PulseEngine* m_engine;
    QPromise<std::optional<T>> m_promise;
    pa_operation* m_operation = nullptr;
    PulseEngine::Timer* m_timer = nullptr;
};

// Starts a query on the event thread once connected; start gives the
// operation, or nullptr when it cannot be sent.
template<typename T>
QFuture<std::optional<T>> ask(PulseEngine& engine, std::function<pa_operation*(pa_context*, QueryOf<T>*)> start)
{
    auto* query = new QueryOf<T>(&engine);
    QFuture<std::optional<T>> future = query->future();
    engine.post([query, start = std::move(start)](pa_context* context) {
        if (!context) {
            query->finish(std::nullopt);
            return;
        }
        query->begin(start(context, query));
    });
    return future;
}

template<typename Info, typename Item>
void collect(const Info* info, int eol, void* userdata, Item (*convert)(const Info&))
{
    auto* query = static_cast<QueryOf<QList<Item>>*>(userdata);
    if (eol == 0 && info) {
        query->items.append(convert(*info));
        return;
    }
    if (eol < 0)
        query->finish(std::nullopt);
    else
        query->finish(query->items);
}

PulseEngine::SinkInfo toSinkInfo(const pa_sink_info& info)
{
    return {QString::fromUtf8(info.name), QString::fromUtf8(info.description ? info.description : info.name),
        QString::fromUtf8(info.monitor_source_name)};
}

PulseEngine::SourceInfo toSourceInfo(const pa_source_info& info)
{
    PulseEngine::SourceInfo source;
    source.index = info.index;
    source.name = QString::fromUtf8(info.name);
    source.description = QString::fromUtf8(info.description ? info.description : info.name);
    source.isMonitor = info.monitor_of_sink != PA_INVALID_INDEX;
    source.isRunning = info.state == PA_SOURCE_RUNNING;
    source.sampleRate = info.sample_spec.rate;
    source.channels = info.sample_spec.channels;
    return source;
}

std::optional<qint64> processIdOf(const pa_proplist* properties)
{
    bool ok = false;
    const qint64 pid = QByteArray(pa_proplist_gets(properties, PA_PROP_APPLICATION_PROCESS_ID)).toLongLong(&ok);
    return ok ? std::optional(pid) : std::nullopt;
}

PulseEngine::SourceOutputInfo toSourceOutputInfo(const pa_source_output_info& info)
{
    PulseEngine::SourceOutputInfo output;
    output.index = info.index;
    output.sourceIndex = info.source;
    output.binary = QString::fromUtf8(pa_proplist_gets(info.proplist, PA_PROP_APPLICATION_PROCESS_BINARY));
    output.applicationName = QString::fromUtf8(pa_proplist_gets(info.proplist, PA_PROP_APPLICATION_NAME));
    output.isCorked = info.corked != 0;
    output.processId = processIdOf(info.proplist);
    return output;
}

// The first item of a by-name lookup.
template<typename Info, typename Item>
void collectOne(const Info* info, int eol, void* userdata, Item (*convert)(const Info&))
{
    auto* query = static_cast<QueryOf<Item>*>(userdata);
    if (eol == 0 && info) {
        if (!query->items.name.isEmpty())
            return;
        query->items = convert(*info);
        return;
    }
    if (eol < 0 || query->items.name.isEmpty())
        query->finish(std::nullopt);
    else
        query->finish(query->items);
}

} // namespace

struct PulseEngine::Timer
{
    PulseEngine* engine;
    pa_time_event* event = nullptr;
    std::function<void()> then;

    static void onTime(pa_mainloop_api* api, pa_time_event* event, const struct timeval*, void* userdata)
    {
        auto* timer = static_cast<Timer*>(userdata);
        std::function<void()> then = std::move(timer->then);
        api->time_free(event);
        delete timer;
        if (then)
            then();
    }
};

PulseEngine::Lock::Lock(const PulseEngine& engine)
    : m_mainloop(engine.mainloop())
{
    pa_threaded_mainloop_lock(m_mainloop);
}

PulseEngine::Lock::~Lock()
{
    pa_threaded_mainloop_unlock(m_mainloop);
}

std::shared_ptr<PulseEngine> PulseEngine::shared(const std::optional<QString>& server)
{
    const QString key = server.value_or(QString());
    std::lock_guard guard(registryLock);
    if (auto running = registry[key].lock()) {
        if (!running->hasFailed())
            return running;
    }
    std::shared_ptr<PulseEngine> engine(new PulseEngine);
    if (!engine->connect(server)) {
        // Not kept: the next user tries again.
        return engine;
    }
    registry[key] = engine;
    return engine;
}

bool PulseEngine::connect(const std::optional<QString>& server)
{
    m_server = server;
    m_mainloop = pa_threaded_mainloop_new();
    if (!m_mainloop) {
        m_hasFailed = true;
        m_failureText = QCoreApplication::translate("PulseEngine", "Cannot create the sound server event loop");
        return false;
    }
    if (!startContext()) {
        m_hasFailed = true;
        return false;
    }
    if (pa_threaded_mainloop_start(m_mainloop) < 0) {
        m_hasFailed = true;
        m_failureText = QCoreApplication::translate("PulseEngine", "Cannot start the sound server event loop");
        return false;
    }
    return true;
}

bool PulseEngine::startContext()
{
    m_context = pa_context_new(pa_threaded_mainloop_get_api(m_mainloop), "Tolvaran");
    if (!m_context) {
        m_failureText = QCoreApplication::translate("PulseEngine", "Cannot create a sound server context");
        return false;
    }
    pa_context_set_state_callback(m_context, &PulseEngine::onStateChanged, this);
    const QByteArray address = m_server ? m_server->toUtf8() : QByteArray();
    if (pa_context_connect(m_context, m_server ? address.constData() : nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        m_failureText = QCoreApplication::translate("PulseEngine", "No sound server: %1")
                            .arg(QString::fromUtf8(pa_strerror(pa_context_errno(m_context))));
        return false;
    }
    // A frozen server accepts the connection and never answers.
    m_connectDeadline = startTimer(connectTimeout, [this] {
        m_connectDeadline = nullptr;
        if (!m_isReady)
            lose(
                QCoreApplication::translate("PulseEngine", "No sound server: the sound server did not answer in time"));
    });
    return true;
}

PulseEngine::~PulseEngine()
{
    if (!m_mainloop)
        return;
    // The event thread ends first, so no callback runs while the rest goes.
    pa_threaded_mainloop_stop(m_mainloop);
    m_hasFailed = true;
    m_isReady = false;
    cancelTimer(m_connectDeadline);
    cancelTimer(m_reconnectTimer);
    runQueuedJobs();
    for (Query* query : std::set<Query*>(m_queries))
        query->abandon();
    if (m_context) {
        pa_context_set_state_callback(m_context, nullptr, nullptr);
        pa_context_set_subscribe_callback(m_context, nullptr, nullptr);
        pa_context_disconnect(m_context);
        pa_context_unref(m_context);
    }
    pa_threaded_mainloop_free(m_mainloop);
}

bool PulseEngine::hasFailed() const
{
    if (!m_mainloop)
        return true;
    Lock lock(*this);
    return m_hasFailed;
}

bool PulseEngine::isConnected() const
{
    if (!m_mainloop)
        return false;
    Lock lock(*this);
    return m_isReady;
}

QString PulseEngine::failureText() const
{
    if (!m_mainloop)
        return m_failureText;
    Lock lock(*this);
    return m_failureText;
}

void PulseEngine::post(std::function<void(pa_context*)> job)
{
    if (!m_mainloop || !m_context) {
        job(nullptr);
        return;
    }
    const bool inThread = pa_threaded_mainloop_in_thread(m_mainloop);
    if (!inThread)
        pa_threaded_mainloop_lock(m_mainloop);
    // While a lost connection is made again, nothing waits for it: the
    // server may stay away for long.
    if (m_hasFailed || (m_wasReady && !m_isReady)) {
        job(nullptr);
    } else {
        m_queuedJobs.push_back(std::move(job));
    }
    if (m_isReady && !m_hasFailed && !m_isDrainScheduled && !m_queuedJobs.empty()) {
        // Jobs run from the event loop, not inside whoever posted them.
        m_isDrainScheduled = true;
        pa_mainloop_api_once(
            pa_threaded_mainloop_get_api(m_mainloop),
            [](pa_mainloop_api*, void* userdata) { static_cast<PulseEngine*>(userdata)->runQueuedJobs(); }, this);
    }
    if (!inThread)
        pa_threaded_mainloop_unlock(m_mainloop);
}

void PulseEngine::runQueuedJobs()
{
    m_isDrainScheduled = false;
    while (!m_queuedJobs.empty()) {
        auto job = std::move(m_queuedJobs.front());
        m_queuedJobs.pop_front();
        job(m_isReady && !m_hasFailed ? m_context : nullptr);
    }
}

void PulseEngine::lose(const QString& reason)
{
    if (m_hasFailed)
        return;
    const bool wasReady = m_isReady;
    m_isReady = false;
    m_failureText = reason;
    // Only a connection that once stood is made again.
    m_hasFailed = !m_wasReady;
    cancelTimer(m_connectDeadline);
    runQueuedJobs();
    for (Query* query : std::set<Query*>(m_queries))
        query->abandon();
    if (m_context) {
        pa_context_set_state_callback(m_context, nullptr, nullptr);
        pa_context_set_subscribe_callback(m_context, nullptr, nullptr);
        // Still connecting: it would otherwise go on waiting for the server.
        if (PA_CONTEXT_IS_GOOD(pa_context_get_state(m_context)))
            pa_context_disconnect(m_context);
    }
    if (wasReady)
        dispatchConnection(false);
    if (m_hasFailed || m_reconnectTimer || !m_context)
        return;
    m_reconnectTimer = startTimer(m_reconnectDelay, [this] {
        m_reconnectTimer = nullptr;
        reconnect();
    });
    m_reconnectDelay = std::min(m_reconnectDelay * 2, std::chrono::milliseconds(maxReconnectDelay));
}

void PulseEngine::reconnect()
{
    qCDebug(lcPulse, "Connecting to the sound server again");
    // The old context goes with the streams that were on it; its time
    // events belong to the event loop and stay.
    pa_context* old = m_context;
    const bool isStarted = startContext();
    if (m_context)
        pa_context_unref(old);
    else
        m_context = old;
    if (!isStarted)
        lose(m_failureText);
}

void PulseEngine::onStateChanged(pa_context* context, void* userdata)
{
    auto* engine = static_cast<PulseEngine*>(userdata);
    const pa_context_state_t state = pa_context_get_state(context);
    if (state == PA_CONTEXT_READY && !engine->m_isReady && !engine->m_hasFailed) {
        const bool isReturn = engine->m_wasReady;
        engine->m_isReady = true;
        engine->m_wasReady = true;
        engine->m_reconnectDelay = firstReconnectDelay;
        engine->cancelTimer(engine->m_connectDeadline);
        pa_context_set_subscribe_callback(context, &onChange, engine);
        const auto mask = pa_subscription_mask_t(PA_SUBSCRIPTION_MASK_SERVER | PA_SUBSCRIPTION_MASK_SINK
            | PA_SUBSCRIPTION_MASK_SOURCE | PA_SUBSCRIPTION_MASK_SINK_INPUT | PA_SUBSCRIPTION_MASK_SOURCE_OUTPUT);
        if (pa_operation* operation = pa_context_subscribe(context, mask, nullptr, nullptr))
            pa_operation_unref(operation);
        else
            qCWarning(lcPulse, "Cannot follow the sound server's changes: %s", pa_strerror(pa_context_errno(context)));
        engine->runQueuedJobs();
        if (isReturn) {
            qCInfo(lcPulse, "Connected to the sound server again");
            engine->dispatchConnection(true);
        }
    } else if (!PA_CONTEXT_IS_GOOD(state)) {
        const QString reason = QString::fromUtf8(pa_strerror(pa_context_errno(context)));
        if (engine->m_isReady)
            qCWarning(lcPulse, "Connection to the sound server lost: %s", qUtf8Printable(reason));
        engine->lose(QCoreApplication::translate("PulseEngine", "No sound server: %1").arg(reason));
    }
}

void PulseEngine::dispatchConnection(bool isConnected)
{
    // A handler may clear its own watch or others while they are told.
    for (Watch* watch : std::set<Watch*>(m_watches)) {
        if (m_watches.contains(watch) && watch->m_connection) {
            const ConnectionHandler handler = watch->m_connection;
            handler(isConnected);
        }
    }
}

void PulseEngine::dispatchChange(int facility, int type, quint32 index)
{
    for (Watch* watch : std::set<Watch*>(m_watches)) {
        if (m_watches.contains(watch) && watch->m_change) {
            const ChangeHandler handler = watch->m_change;
            handler(facility, type, index);
        }
    }
}

void PulseEngine::Watch::onChange(ChangeHandler handler)
{
    m_change = std::move(handler);
    m_isWatching = true;
    m_engine.m_watches.insert(this);
}

void PulseEngine::Watch::onConnection(ConnectionHandler handler)
{
    m_connection = std::move(handler);
    m_isWatching = true;
    m_engine.m_watches.insert(this);
}

void PulseEngine::Watch::clear()
{
    if (!m_isWatching)
        return;
    m_isWatching = false;
    m_engine.m_watches.erase(this);
    m_change = nullptr;
    m_connection = nullptr;
}

PulseEngine::Timer* PulseEngine::startTimer(std::chrono::microseconds delay, std::function<void()> then)
{
    auto* timer = new Timer{this, nullptr, std::move(then)};
    timer->event = pa_context_rttime_new(m_context, pa_rtclock_now() + pa_usec_t(delay.count()), &Timer::onTime, timer);
    if (!timer->event) {
        delete timer;
        return nullptr;
    }
    return timer;
}

void PulseEngine::cancelTimer(Timer*& timer)
{
    if (!timer)
        return;
    pa_threaded_mainloop_get_api(m_mainloop)->time_free(timer->event);
    delete timer;
    timer = nullptr;
}

QFuture<std::optional<PulseEngine::ServerInfo>> PulseEngine::serverInfo()
{
    return ask<ServerInfo>(*this, [](pa_context* context, QueryOf<ServerInfo>* query) {
        return pa_context_get_server_info(
            context,
            [](pa_context*, const pa_server_info* info, void* userdata) {
                auto* answer = static_cast<QueryOf<ServerInfo>*>(userdata);
                if (!info) {
                    answer->finish(std::nullopt);
                    return;
                }
                answer->finish(ServerInfo{QString::fromUtf8(info->default_sink_name ? info->default_sink_name : ""),
                    QString::fromUtf8(info->default_source_name ? info->default_source_name : "")});
            },
            query);
    });
}

QFuture<std::optional<PulseEngine::SinkInfo>> PulseEngine::sink(const QString& name)
{
    return ask<SinkInfo>(*this, [name = name.toUtf8()](pa_context* context, QueryOf<SinkInfo>* query) {
        return pa_context_get_sink_info_by_name(
            context, name.constData(),
            [](pa_context*, const pa_sink_info* info, int eol, void* userdata) {
                collectOne(info, eol, userdata, &toSinkInfo);
            },
            query);
    });
}

QFuture<std::optional<PulseEngine::SourceInfo>> PulseEngine::source(const QString& name)
{
    return ask<SourceInfo>(*this, [name = name.toUtf8()](pa_context* context, QueryOf<SourceInfo>* query) {
        return pa_context_get_source_info_by_name(
            context, name.constData(),
            [](pa_context*, const pa_source_info* info, int eol, void* userdata) {
                collectOne(info, eol, userdata, &toSourceInfo);
            },
            query);
    });
}

QFuture<std::optional<QList<PulseEngine::SourceInfo>>> PulseEngine::sources()
{
    return ask<QList<SourceInfo>>(*this, [](pa_context* context, QueryOf<QList<SourceInfo>>* query) {
        return pa_context_get_source_info_list(
            context,
            [](pa_context*, const pa_source_info* info, int eol, void* userdata) {
                collect(info, eol, userdata, &toSourceInfo);
            },
            query);
    });
}

QFuture<std::optional<QList<PulseEngine::SourceOutputInfo>>> PulseEngine::sourceOutputs()
{
    return ask<QList<SourceOutputInfo>>(*this, [](pa_context* context, QueryOf<QList<SourceOutputInfo>>* query) {
        return pa_context_get_source_output_info_list(
            context,
            [](pa_context*, const pa_source_output_info* info, int eol, void* userdata) {
                collect(info, eol, userdata, &toSourceOutputInfo);
            },
            query);
    });
}

PulseEngine::SinkInputInfo PulseEngine::sinkInputInfo(const pa_sink_input_info& info)
{
    SinkInputInfo input;
    input.index = info.index;
    input.sink = info.sink;
    input.binary = QString::fromUtf8(pa_proplist_gets(info.proplist, PA_PROP_APPLICATION_PROCESS_BINARY));
    input.applicationName = QString::fromUtf8(pa_proplist_gets(info.proplist, PA_PROP_APPLICATION_NAME));
    input.processId = processIdOf(info.proplist);
    return input;
}

bool PulseEngine::SinkInputInfo::isOwn() const
{
    return processId == QCoreApplication::applicationPid();
}

QFuture<std::optional<QList<PulseEngine::SinkInputInfo>>> PulseEngine::sinkInputs()
{
    return ask<QList<SinkInputInfo>>(*this, [](pa_context* context, QueryOf<QList<SinkInputInfo>>* query) {
        return pa_context_get_sink_input_info_list(
            context,
            [](pa_context*, const pa_sink_input_info* info, int eol, void* userdata) {
                collect(info, eol, userdata, &PulseEngine::sinkInputInfo);
            },
            query);
    });
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

} // namespace tolvaran
