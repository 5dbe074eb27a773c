#pragma once

#include "audio/PulseEngine.h"

#include <chrono>
#include <functional>

namespace tolvaran {

// Tells (onSoundServerAway) when the sound server has been away for a
// while, and when capture reaches it again: a short outage is not worth a
// word in the panel. Event thread or under PulseEngine::Lock.
class ServerAwayNotice
{
public:
    using Tell = std::function<void(bool isAway)>;

    ServerAwayNotice(PulseEngine& engine, std::chrono::milliseconds delay, Tell tell);
    // cancel (under the lock) comes first.
    ~ServerAwayNotice() = default;

    ServerAwayNotice(const ServerAwayNotice&) = delete;
    ServerAwayNotice& operator=(const ServerAwayNotice&) = delete;

    // The server went: told once the delay has passed without its return.
    void serverLost();
    // Capture reaches the server again: a notice told ends.
    void serverReached();
    // No more waiting; a notice told stands.
    void cancel();

    bool isReported() const { return m_isReported; }

    // A notice that an earlier capture told still stands.
    void setReported(bool reported) { m_isReported = reported; }

private:
    PulseEngine& m_engine;
    const std::chrono::milliseconds m_delay;
    Tell m_tell;
    PulseEngine::Timer* m_timer = nullptr;
    bool m_isReported = false;
};

} // namespace tolvaran
