#pragma once

#include <QFuture>
#include <QList>
#include <QString>

#include <chrono>
#include <functional>
#include <list>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <vector>

struct pa_context;
struct pa_operation;
struct pa_sink_input_info;
struct pa_threaded_mainloop;

namespace tolvaran {

// The requests in flight for one owner, under the event thread's lock:
// finished ones are released as new ones come, and cancelAll (before the
// owner goes) makes sure no callback of theirs runs any more.
class PulseOperations
{
public:
    PulseOperations() = default;

    ~PulseOperations() { cancelAll(); }

    PulseOperations(const PulseOperations&) = delete;
    PulseOperations& operator=(const PulseOperations&) = delete;

    // False when operation is null: the request could not be sent.
    bool track(pa_operation* operation);
    void cancelAll();

private:
    std::vector<pa_operation*> m_operations;
};

// The program's one connection to the sound server: one event thread and one
// context, shared by capture, microphone, introspection and the change
// subscription. It starts on first use and ends with its last user.
//
// Sound servers restart under running programs (PipeWire after an update,
// PulseAudio after suspend): once connected, a lost connection is made again
// by itself, with a short back-off, and the connection handlers are told of
// the loss and of the return, so that streams can be opened again.
//
// Nothing here waits for the server. Queries return futures that finish on
// the event thread, with nothing when the server does not answer in time or
// the connection is gone. The event thread holds its lock only while one of
// its callbacks runs, never while the server is silent, so taking it (Lock)
// from another thread costs at most the length of a callback.
class PulseEngine
{
public:
    struct ServerInfo
    {
        QString defaultSinkName;
        QString defaultSourceName;
    };

    struct SinkInfo
    {
        QString name;
        QString description;
        QString monitorSourceName;
    };

    struct SourceInfo
    {
        quint32 index = 0;
        QString name;
        QString description;
        // Monitors carry what a sink plays; they are not microphones.
        bool isMonitor = false;
        bool isRunning = false;
        quint32 sampleRate = 0;
        quint8 channels = 0;
    };

    // A stream that records from a source.
    struct SourceOutputInfo
    {
        quint32 index = 0;
        quint32 sourceIndex = 0;
        // The recording program; none for the server's own streams.
        std::optional<qint64> processId;
        // Its executable name (application.process.binary) and the name it
        // gives itself (application.name); empty when it did not say.
        QString binary;
        QString applicationName;
        bool isCorked = false;
    };

    // A stream that plays into a sink, and the program it belongs to.
    struct SinkInputInfo
    {
        quint32 index = 0;
        quint32 sink = 0;
        // The program's executable name (application.process.binary), empty
        // when the program did not say.
        QString binary;
        // The name the program gives itself (application.name), or empty.
        QString applicationName;
        std::optional<qint64> processId;

        // Played by this process itself (a recording's playback).
        bool isOwn() const;
    };

    static SinkInputInfo sinkInputInfo(const pa_sink_input_info& info);

    // A change the server reported (pa_subscription_event_type_t facility
    // and type bits) for the object with that index.
    using ChangeHandler = std::function<void(int facility, int type, quint32 index)>;
    // False when the connection was lost, true when it is back.
    using ConnectionHandler = std::function<void(bool isConnected)>;

    static constexpr auto connectTimeout = std::chrono::seconds(2);
    static constexpr auto queryTimeout = std::chrono::seconds(2);
    // Waits between attempts to connect again: doubling up to the last.
    static constexpr auto firstReconnectDelay = std::chrono::milliseconds(100);
    static constexpr auto maxReconnectDelay = std::chrono::milliseconds(1000);

    // The running engine for that server (nullopt: the user's default), or a
    // new one when there is none or the last one lost its connection. Not on
    // the event thread.
    static std::shared_ptr<PulseEngine> shared(const std::optional<QString>& server = std::nullopt);

    ~PulseEngine();
    PulseEngine(const PulseEngine&) = delete;
    PulseEngine& operator=(const PulseEngine&) = delete;

    // Holds the event thread's lock, for direct libpulse calls on context().
    class Lock
    {
    public:
        explicit Lock(const PulseEngine& engine);
        ~Lock();
        Lock(const Lock&) = delete;
        Lock& operator=(const Lock&) = delete;

    private:
        pa_threaded_mainloop* m_mainloop;
    };

    pa_threaded_mainloop* mainloop() const { return m_mainloop; }

    pa_context* context() const { return m_context; }

    // True when the first connection failed; a new shared() call then
    // connects afresh. A connection lost later is made again instead.
    bool hasFailed() const;
    // Ready now: neither connecting for the first time nor connecting again.
    bool isConnected() const;
    // Why the connection failed, or empty.
    QString failureText() const;

    // Event thread or under Lock: a connection that stood once, so a loss is
    // followed by attempts to make it again.
    bool willReconnect() const { return m_wasReady && !m_hasFailed; }

    // Runs job on the event thread with the lock held, once the connection
    // is ready; with nullptr when it failed or fails before, or while a lost
    // connection is being made again. Any thread, also the event thread itself.
    void post(std::function<void(pa_context* context)> job);

    // Handlers of the server's changes and of the connection's loss and
    // return, for as long as their holder wants them. Event thread or under
    // Lock, also clear(), which must come before a holder goes that other
    // threads may see; the handlers run on the event thread with the lock held.
    class Watch
    {
    public:
        explicit Watch(PulseEngine& engine)
            : m_engine(engine)
        { }

        ~Watch() { clear(); }

        Watch(const Watch&) = delete;
        Watch& operator=(const Watch&) = delete;

        void onChange(ChangeHandler handler);
        void onConnection(ConnectionHandler handler);
        void clear();

    private:
        friend class PulseEngine;
        PulseEngine& m_engine;
        ChangeHandler m_change;
        ConnectionHandler m_connection;
        bool m_isWatching = false;
    };

    struct Timer;
    // Event thread (or under Lock): calls then on the event thread after
    // the delay unless cancelTimer came first. When then runs, the timer is
    // already gone: its holder forgets it first.
    Timer* startTimer(std::chrono::microseconds delay, std::function<void()> then);
    void cancelTimer(Timer*& timer);

    QFuture<std::optional<ServerInfo>> serverInfo();
    QFuture<std::optional<SinkInfo>> sink(const QString& name);
    QFuture<std::optional<SourceInfo>> source(const QString& name);
    QFuture<std::optional<QList<SourceInfo>>> sources();
    QFuture<std::optional<QList<SourceOutputInfo>>> sourceOutputs();
    QFuture<std::optional<QList<SinkInputInfo>>> sinkInputs();

    // Event-thread bookkeeping for a query in flight; public only for the
    // query helpers.
    class Query
    {
    public:
        virtual ~Query() = default;
        // The answer will not come: finish with nothing.
        virtual void abandon() = 0;
    };

    void track(Query* query) { m_queries.insert(query); }

    // Event thread: tells every watch of a change.
    void dispatchChange(int facility, int type, quint32 index);

    void untrack(Query* query) { m_queries.erase(query); }

private:
    PulseEngine() = default;
    bool connect(const std::optional<QString>& server);
    bool startContext();
    void lose(const QString& reason);
    void reconnect();
    void runQueuedJobs();
    void dispatchConnection(bool isConnected);
    static void onStateChanged(pa_context* context, void* userdata);

    std::optional<QString> m_server;
    pa_threaded_mainloop* m_mainloop = nullptr;
    pa_context* m_context = nullptr;
    // Event-thread state, under the lock.
    bool m_isReady = false;
    // Connected once: a loss is followed by attempts to connect again.
    bool m_wasReady = false;
    Timer* m_reconnectTimer = nullptr;
    std::chrono::milliseconds m_reconnectDelay = firstReconnectDelay;
    bool m_hasFailed = false;
    QString m_failureText;
    Timer* m_connectDeadline = nullptr;
    bool m_isDrainScheduled = false;
    std::list<std::function<void(pa_context*)>> m_queuedJobs;
    std::set<Watch*> m_watches;
    std::set<Query*> m_queries;
};

} // namespace tolvaran
