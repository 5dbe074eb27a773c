#pragma once

#include <chrono>
#include <memory>

struct pa_mainloop_api;
struct pa_time_event;

namespace tolvaran {

class CaptureClock;
class PulseEngine;

// Frees a timer event on the event loop that made it.
struct TimeEventDeleter
{
    pa_mainloop_api* api = nullptr;
    void operator()(pa_time_event* event) const;
};

// Wakes the capture clock on the sound server's thread when it will have to
// fill in with silence; while the capture delivers, schedule moves the wake
// further on, so it never fires. Event thread or under PulseEngine::Lock.
class CaptureClockTimer
{
public:
    CaptureClockTimer(PulseEngine& engine, CaptureClock& clock);

    void start();
    // The clock's next silence is due at another time.
    void schedule();

    void stop() { m_event.reset(); }

private:
    static void onWake(pa_mainloop_api* api, pa_time_event* event, const struct timeval* time, void* userdata);
    // The event loop's time of a time on the clock's time source.
    unsigned long long loopTimeOf(std::chrono::microseconds due) const;

    PulseEngine& m_engine;
    CaptureClock& m_clock;
    std::unique_ptr<pa_time_event, TimeEventDeleter> m_event;
};

} // namespace tolvaran
