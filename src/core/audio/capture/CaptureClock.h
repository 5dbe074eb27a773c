#pragma once

#include "audio/AudioBlock.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <vector>

namespace tolvaran {

// Keeps the outgoing stream in real time. What the capture reads is held
// here and handed on in 20 ms buffers, a fragment (100 ms) at a time; while
// nothing comes (nothing plays, the output sleeps or moves, the sound server
// is away), silence stands in at the same pace, and a burst that would run
// ahead of real time is dropped. Application streams are mixed in at their
// own place in the held audio, summed and saturated on the way out.
//
// Time comes from the time source given, so a test can drive it. Not
// thread-safe: the capture calls it on the sound server's thread only.
class CaptureClock
{
public:
    // Microseconds on a monotonic clock.
    using TimeSource = std::function<std::chrono::microseconds()>;
    // Each 20 ms buffer of the outgoing stream.
    using Sink = std::function<void(const AudioBlock& buffer)>;

    static constexpr int sampleRate = AudioBlock::sampleRate;
    static constexpr size_t bufferFrames = size_t(sampleRate) / 50;
    // Buffers handed on at once (100 ms, the piece streaming recognisers are
    // usually fed): the main thread wakes ten times a second for audio
    // instead of fifty, for 80 ms of delay.
    static constexpr size_t fragmentBuffers = 5;
    static constexpr size_t fragmentFrames = fragmentBuffers * bufferFrames;
    // How far the capture may lag behind the clock before silence stands in
    // for it; above its usual delivery delay, so real audio is not pre-empted.
    static constexpr quint64 lagFrames = (fragmentBuffers + 2) * bufferFrames;
    // A burst beyond this lead over the clock would make the stream run
    // ahead of real time; it is dropped.
    static constexpr quint64 maxLeadFrames = 10 * bufferFrames;
    static constexpr std::chrono::microseconds bufferDuration{20000};

    // std::chrono::steady_clock.
    static TimeSource monotonicTime();

    explicit CaptureClock(Sink sink, TimeSource now = monotonicTime());

    std::chrono::microseconds now() const { return m_now(); }

    // Counting from now, as if deliveredFrames had gone out in real time up
    // to now: a stream taken over goes on where it stood.
    void start(quint64 deliveredFrames = 0);
    // Counts from now again. Neither the lead nor the lag behind the clock
    // is carried over: a new stream's own start-up delay needs the room.
    void rebase();

    quint64 deliveredFrames() const { return m_deliveredFrames; }

    // Where the first held sample stands in the stream of everything ever
    // held (delivered, dropped or filled with silence).
    quint64 heldFrom() const { return m_heldFrom; }

    quint64 heldEnd() const { return m_heldFrom + m_held.size(); }

    // What the monitor read (samples null: a hole), handed on a fragment at
    // a time.
    void append(const qint16* samples, size_t count);
    // Adds count samples (null: a hole) at position at of the stream, or at
    // the first held one when that has gone out already; returns the
    // position after them.
    quint64 mixIn(quint64 at, const qint16* samples, size_t count);
    // Hands on the whole buffers held before position until.
    void deliverHeld(quint64 until = UINT64_MAX);
    // Forgets what is held: the streams it came from are gone.
    void dropHeld();
    // The timer's work: silence for what has not come in time.
    void fillSilence();
    // When fillSilence will have to fill in, should nothing come meanwhile.
    std::chrono::microseconds nextSilenceDue() const;

private:
    quint64 framesDue() const;
    void deliver(const qint16* samples);
    void deliverFront();

    Sink m_sink;
    TimeSource m_now;
    std::chrono::microseconds m_startTime{0};
    quint64 m_deliveredFrames = 0;
    quint64 m_heldFrom = 0;
    bool m_isFilling = false;
    // Sums, saturated only once the mix is complete.
    std::vector<qint32> m_held;
    std::vector<qint16> m_out = std::vector<qint16>(bufferFrames, 0);
    const std::vector<qint16> m_silence = std::vector<qint16>(bufferFrames, 0);
};

} // namespace tolvaran
