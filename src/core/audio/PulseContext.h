#pragma once

#include <QList>
#include <QString>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

struct pa_context;
struct pa_operation;
struct pa_source_info;
struct pa_stream;
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

// Told whether the source a record stream now takes its audio from is an
// output's monitor (the server moves streams when their source goes away).
class SourceKindListener
{
public:
    virtual pa_stream* recordingStream() const = 0;
    // Event thread; not called when the stream has moved on since.
    virtual void sourceKindKnown(bool isMonitor, const char* sourceName) = 0;

protected:
    ~SourceKindListener() = default;
};

// One connection to the sound server (PulseAudio, or PipeWire's pulse layer)
// with its own event thread. Streams created on it deliver their callbacks on
// that thread. The blocking queries must not be called from that thread.
class PulseContext
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
        quint32 sourceIndex = 0;
        // The recording program; none for the server's own streams.
        std::optional<qint64> processId;
        bool isCorked = false;
    };

    // Holds the event thread's lock for direct libpulse calls on context().
    class Lock
    {
    public:
        explicit Lock(const PulseContext& pulse);
        ~Lock();
        Lock(const Lock&) = delete;
        Lock& operator=(const Lock&) = delete;

    private:
        pa_threaded_mainloop* m_mainloop;
    };

    // Connects without spawning a server. server = nullopt means the user's
    // default server (PULSE_SERVER, then the usual socket). On failure gives
    // nullptr and a readable reason in errorText.
    static std::unique_ptr<PulseContext> connect(const QString& clientName, std::chrono::milliseconds timeout,
        QString* errorText = nullptr, const std::optional<QString>& server = std::nullopt);
    ~PulseContext();

    PulseContext(const PulseContext&) = delete;
    PulseContext& operator=(const PulseContext&) = delete;

    pa_threaded_mainloop* mainloop() const { return m_mainloop.get(); }

    pa_context* context() const { return m_context.get(); }

    // False once the server went away or the connection failed.
    bool isConnected() const;
    QString lastError() const;

    // Called on the event thread when a connected context fails or ends.
    // Set before anything can fail, or under Lock.
    void setOnConnectionLost(std::function<void()> handler);

    // Call with Lock held: waits until the operation is done, the connection
    // is lost or the time is up, and releases it. False if it did not complete.
    bool waitFor(pa_operation* operation, std::chrono::milliseconds timeout = std::chrono::seconds(2)) const;

    // Call with Lock held, after connecting the stream, whose state callback
    // must signal the mainloop: waits until it is ready, has failed or the
    // time-out passed. False unless ready; the reason goes to errorText.
    bool waitForStreamReady(pa_stream* stream, std::chrono::milliseconds timeout, QString* errorText = nullptr) const;

    // Call with Lock held: records from the named source, the server handing
    // over about fragmentBytes at a time. False on failure (the context's
    // error code tells why).
    static bool connectRecord(pa_stream* stream, const QString& source, quint32 fragmentBytes);
    // Call with Lock held: detaches the stream's callbacks, disconnects and
    // releases it, and sets it to null.
    static void releaseStream(pa_stream*& stream);

    // Call on the event thread (a stream's read callback): appends every
    // readable float sample of a record stream, a hole in it as silence.
    static void appendReadableSamples(pa_stream* stream, std::vector<float>& samples);
    // Call on the event thread: drops everything readable.
    static void discardReadable(pa_stream* stream);
    // Call on the event thread: asks what kind of source the named one is;
    // the answer goes to listener, which must outlive the operation (or
    // cancel it).
    static pa_operation* askSourceKind(pa_context* context, const char* name, SourceKindListener* listener);

    static SourceInfo toSourceInfo(const pa_source_info& info);

    std::optional<ServerInfo> serverInfo() const;
    std::optional<SinkInfo> sink(const QString& name) const;
    std::optional<SourceInfo> source(const QString& name) const;
    QList<SourceInfo> sources() const;
    QList<SourceOutputInfo> sourceOutputs() const;

private:
    struct MainloopDeleter
    {
        void operator()(pa_threaded_mainloop* mainloop) const;
    };

    struct ContextDeleter
    {
        void operator()(pa_context* context) const;
    };

    PulseContext() = default;
    static void onStateChanged(pa_context* context, void* userdata);

    std::unique_ptr<pa_threaded_mainloop, MainloopDeleter> m_mainloop;
    std::unique_ptr<pa_context, ContextDeleter> m_context;
    std::function<void()> m_onConnectionLost;
    bool m_wasReady = false;
};

} // namespace tolvaran
