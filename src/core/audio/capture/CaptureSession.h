#pragma once

#include "ApplicationCapture.h"
#include "CaptureClock.h"
#include "CaptureClockTimer.h"
#include "MonitorCapture.h"
#include "ServerAwayNotice.h"
#include "audio/PulseEngine.h"

#include <QFuture>
#include <QPromise>
#include <QSet>
#include <QString>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <set>

namespace tolvaran {

class AudioCapture;
class PcmFramer;

// One running capture of a scope: the default output's monitor (or, while
// this program plays, that output's other streams one by one), or one
// application's streams; the clock that keeps the outgoing stream in real
// time; the watches on the server's changes and on the connection, and the
// notice that the server is away. Lives on the pulse thread: everything but
// construction runs there or under PulseEngine::Lock.
class CaptureSession
{
public:
    struct Settings
    {
        // The default output's monitor when the session starts; empty for
        // an application scope, or while the server is away.
        QString monitor;
        // The executable names whose streams alone are captured; empty: all
        // system audio.
        QSet<QString> applications;
        std::chrono::milliseconds awayNoticeDelay{0};
        // What an earlier session delivered, when this one takes its stream over.
        std::optional<quint64> continuedFrames;
        // The panel says the server is away, until this session reaches it.
        bool isServerAway = false;
    };

    // lost: capture has ended for good (also told through onError).
    CaptureSession(PulseEngine& engine, AudioCapture& output, PcmFramer& framer, std::function<void()> lost,
        Settings settings, CaptureClock::TimeSource now = CaptureClock::monotonicTime());
    ~CaptureSession();

    CaptureSession(const CaptureSession&) = delete;
    CaptureSession& operator=(const CaptureSession&) = delete;

    // Posts the start; the future gives an error text, empty once it runs.
    QFuture<QString> open(const std::weak_ptr<CaptureSession>& self);
    // Under the lock: afterwards nothing reaches the output any more.
    void close();
    // Under the lock: what is held goes out, and the count of what was
    // delivered, for the session that takes the stream over; nothing while
    // not running.
    std::optional<quint64> handOver();

    const QSet<QString>& applications() const { return m_settings.applications; }

    bool isAwayReported() const { return m_awayNotice.isReported(); }

    // The monitor being captured, empty while none is. Any thread.
    QString sourceName() const { return m_monitor.sourceName(); }

    // For the session's parts, on the pulse thread.
    PulseEngine& pulse() { return m_pulse; }

    CaptureClock& clock() { return m_clock; }

    bool isRunning() const { return m_isRunning; }

    bool excludesOwn() const { return m_excludesOwn; }

    bool isApplicationScope() const { return !m_settings.applications.isEmpty(); }

    bool track(pa_operation* operation) { return m_operations.track(operation); }

    // Whether the stream of that playback stream is captured now.
    bool takes(const PulseEngine::SinkInputInfo& input) const;
    // The system audio's monitor may open: this program's streams are known.
    void captureOutput();
    void ownStreamFound(quint32 sinkInput);
    // While this program plays: the streams on that output are taken.
    void takeStreamsOn(quint32 sink);
    void reportApplicationPlaying();
    void monitorReady();
    void monitorEnded(const QString& reason, bool wasReady);
    void monitorRead(const qint16* samples, size_t count);
    // The clock wakes when it will have to fill in.
    void scheduleWake();

private:
    void connect(pa_context* context);
    void connectApplications(bool waitsForServer);
    void connectionChanged(bool isConnected);
    void inputChanged(int type, quint32 index);
    void setExcludesOwn(bool exclude);
    void reportReady(const QString& error);
    void reportLoss(const QString& message);
    void startClock();
    void rebaseClock();

    PulseEngine& m_pulse;
    AudioCapture& m_output;
    PcmFramer& m_framer;
    const std::function<void()> m_lost;
    const Settings m_settings;
    CaptureClock m_clock;
    CaptureClockTimer m_clockTimer;
    ServerAwayNotice m_awayNotice;
    PulseEngine::Watch m_watch;
    PulseOperations m_operations;
    MonitorCapture m_monitor;
    ApplicationCapture m_streams;
    // This program's own playback streams; while there is any, all system
    // audio is taken stream by stream without them.
    std::set<quint32> m_ownInputs;
    bool m_excludesOwn = false;
    // The default output, whose streams are taken meanwhile.
    quint32 m_followedSink = quint32(-1);
    // The name last reported as playing, empty for none; nothing before the
    // first report.
    std::optional<QString> m_reportedPlaying;
    PulseEngine::Timer* m_ownGoneTimer = nullptr;
    QPromise<QString> m_readyPromise;
    bool m_hasReportedReady = false;
    bool m_isClosed = false;
    bool m_isRunning = false;
};

} // namespace tolvaran
