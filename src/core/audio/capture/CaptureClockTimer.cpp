#include "CaptureClockTimer.h"

#include "CaptureClock.h"
#include "audio/PulseEngine.h"

#include <QLoggingCategory>

#include <pulse/pulseaudio.h>

Q_DECLARE_LOGGING_CATEGORY(lcAudioCapture)

namespace tolvaran {

void TimeEventDeleter::operator()(pa_time_event* event) const
{
    api->time_free(event);
}

CaptureClockTimer::CaptureClockTimer(PulseEngine& engine, CaptureClock& clock)
    : m_engine(engine)
    , m_clock(clock)
{ }

void CaptureClockTimer::start()
{
    if (m_event) {
        schedule();
        return;
    }
    pa_time_event* event = pa_context_rttime_new(
        m_engine.context(), loopTimeOf(m_clock.nextSilenceDue()), &CaptureClockTimer::onWake, this);
    if (!event) {
        qCWarning(lcAudioCapture, "No capture clock: silence will not stand in for a silent monitor");
        return;
    }
    m_event = std::unique_ptr<pa_time_event, TimeEventDeleter>(
        event, TimeEventDeleter{pa_threaded_mainloop_get_api(m_engine.mainloop())});
}

void CaptureClockTimer::schedule()
{
    if (m_event)
        pa_context_rttime_restart(m_engine.context(), m_event.get(), loopTimeOf(m_clock.nextSilenceDue()));
}

unsigned long long CaptureClockTimer::loopTimeOf(std::chrono::microseconds due) const
{
    const std::chrono::microseconds wait = due - m_clock.now();
    return pa_rtclock_now() + pa_usec_t(std::max<qint64>(wait.count(), 0));
}

// The monitor is silent while nothing plays, the sink sleeps, the stream
// moves or the sound server is away; the server must still hear time pass.
void CaptureClockTimer::onWake(pa_mainloop_api*, pa_time_event* event, const struct timeval*, void* userdata)
{
    auto* timer = static_cast<CaptureClockTimer*>(userdata);
    CaptureClock& clock = timer->m_clock;
    clock.fillSilence();
    const auto next = std::max(clock.nextSilenceDue(), clock.now() + CaptureClock::bufferDuration);
    pa_context_rttime_restart(timer->m_engine.context(), event, timer->loopTimeOf(next));
}

} // namespace tolvaran
