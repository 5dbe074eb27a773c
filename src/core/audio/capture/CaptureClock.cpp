#include "CaptureClock.h"

#include <QLoggingCategory>
#include <QtEndian>

#include <algorithm>

Q_DECLARE_LOGGING_CATEGORY(lcAudioCapture)

namespace tolvaran {

using namespace std::chrono;

namespace {

microseconds durationOf(quint64 frames)
{
    return microseconds(qint64(frames * 1000000 / quint64(CaptureClock::sampleRate)));
}

} // namespace

CaptureClock::TimeSource CaptureClock::monotonicTime()
{
    return [] { return duration_cast<microseconds>(steady_clock::now().time_since_epoch()); };
}

CaptureClock::CaptureClock(Sink sink, TimeSource now)
    : m_sink(std::move(sink))
    , m_now(std::move(now))
{ }

void CaptureClock::start(quint64 deliveredFrames)
{
    m_deliveredFrames = deliveredFrames;
    rebase();
}

void CaptureClock::rebase()
{
    const microseconds now = m_now();
    const microseconds delivered = durationOf(m_deliveredFrames);
    m_startTime = now > delivered ? now - delivered : microseconds(0);
}

quint64 CaptureClock::framesDue() const
{
    const microseconds now = m_now();
    return now > m_startTime ? quint64((now - m_startTime).count()) * quint64(sampleRate) / 1000000 : 0;
}

std::chrono::microseconds CaptureClock::nextSilenceDue() const
{
    return m_startTime + durationOf(m_deliveredFrames + m_held.size() + bufferFrames + lagFrames);
}

void CaptureClock::append(const qint16* samples, size_t count)
{
    mixIn(heldEnd(), samples, count);
    // The server may push every 20 ms whatever fragment was asked for:
    // handing over a fragment at a time wakes the main thread a third as often.
    if (m_held.size() >= fragmentFrames)
        deliverHeld();
}

quint64 CaptureClock::mixIn(quint64 at, const qint16* samples, size_t count)
{
    const size_t offset = at > m_heldFrom ? size_t(at - m_heldFrom) : 0;
    if (m_held.size() < offset + count)
        m_held.resize(offset + count, 0);
    if (samples) {
        for (size_t i = 0; i < count; ++i)
            m_held[offset + i] += qFromLittleEndian<qint16>(samples + i);
    }
    m_isFilling = false;
    return m_heldFrom + offset + count;
}

void CaptureClock::deliver(const qint16* samples)
{
    if (m_deliveredFrames > framesDue() + maxLeadFrames)
        return;
    m_deliveredFrames += bufferFrames;
    m_sink({samples, qsizetype(bufferFrames)});
}

// The first held buffer, saturated, out of the held audio.
void CaptureClock::deliverFront()
{
    for (size_t i = 0; i < bufferFrames; ++i)
        qToLittleEndian<qint16>(qint16(std::clamp(m_held[i], -32768, 32767)), m_out.data() + i);
    m_held.erase(m_held.begin(), m_held.begin() + qsizetype(bufferFrames));
    m_heldFrom += bufferFrames;
    deliver(m_out.data());
}

void CaptureClock::deliverHeld(quint64 until)
{
    while (m_heldFrom + bufferFrames <= std::min(until, heldEnd()))
        deliverFront();
}

void CaptureClock::dropHeld()
{
    m_heldFrom += m_held.size();
    m_held.clear();
}

void CaptureClock::fillSilence()
{
    const quint64 due = framesDue();
    if (m_deliveredFrames + m_held.size() + bufferFrames + lagFrames > due)
        return;
    // What the capture gave before it stalled goes out first.
    deliverHeld();
    while (m_deliveredFrames + bufferFrames + lagFrames <= due) {
        if (!m_isFilling) {
            m_isFilling = true;
            qCDebug(lcAudioCapture, "The monitor delivers nothing; sending silence");
        }
        if (!m_held.empty()) {
            m_held.resize(bufferFrames, 0);
            deliverFront();
        } else {
            m_heldFrom += bufferFrames;
            deliver(m_silence.data());
        }
    }
}

} // namespace tolvaran
