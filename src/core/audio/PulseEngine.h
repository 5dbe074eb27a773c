#pragma once

#include "PulseContext.h"

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

struct pa_context;
struct pa_stream;
struct pa_threaded_mainloop;

namespace tolvaran {

// The program's one connection to the sound server: one event thread and one
// context, shared by capture, microphone, introspection and the change
// subscription. It starts on first use and ends with its last user.
//
// Nothing here waits for the server. Queries return futures that finish on
// the event thread, with nothing when the server does not answer in time or
// the connection is gone. The event thread holds its lock only while one of
// its callbacks runs, never while the server is silent, so taking it (Lock)
// from another thread costs at most the length of a callback.
class PulseEngine
{
public:
    using ServerInfo = PulseContext::ServerInfo;
    using SinkInfo = PulseContext::SinkInfo;
    using SourceInfo = PulseContext::SourceInfo;
    using SourceOutputInfo = PulseContext::SourceOutputInfo;

    // A change the server reported (pa_subscription_event_type_t facility
    // and type bits) for the object with that index.
    using ChangeHandler = std::function<void(int facility, int type, quint32 index)>;

    static constexpr auto connectTimeout = std::chrono::seconds(2);
    static constexpr auto queryTimeout = std::chrono::seconds(2);

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

    // True once the connection failed or ended; a new shared() call then
    // connects afresh.
    bool hasFailed() const;
    // Why the connection failed, or empty.
    QString failureText() const;

    // Runs job on the event thread with the lock held, once the connection
    // is ready; with nullptr when it failed or fails before. Any thread,
    // also the event thread itself.
    void post(std::function<void(pa_context* context)> job);

    // Event thread (or under Lock). Handlers run on the event thread with
    // the lock held; the id removes them again.
    int addChangeHandler(ChangeHandler handler);
    void removeChangeHandler(int id);

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

    // Event thread: tells every change handler.
    void dispatchChange(int facility, int type, quint32 index);

    void untrack(Query* query) { m_queries.erase(query); }

private:
    PulseEngine() = default;
    bool connect(const std::optional<QString>& server);
    void fail(const QString& reason);
    void runQueuedJobs();
    static void onStateChanged(pa_context* context, void* userdata);

    pa_threaded_mainloop* m_mainloop = nullptr;
    pa_context* m_context = nullptr;
    // Event-thread state, under the lock.
    bool m_isReady = false;
    bool m_hasFailed = false;
    QString m_failureText;
    Timer* m_connectDeadline = nullptr;
    bool m_isDrainScheduled = false;
    std::list<std::function<void(pa_context*)>> m_queuedJobs;
    std::map<int, ChangeHandler> m_changeHandlers;
    int m_nextHandlerId = 1;
    std::set<Query*> m_queries;
};

} // namespace tolvaran
