#pragma once

#include "audio/PulseEngine.h"

#include <chrono>
#include <memory>

namespace tolvaran {

// The change handlers of a list that follows the sound server, which end
// (under the event thread's lock) before their list does.
struct DeviceWatch
{
    // How long a list waits for the rest of a burst of changes (a device
    // plug announces several) before it is read again once.
    static constexpr std::chrono::milliseconds settleDelay{100};

    explicit DeviceWatch(std::shared_ptr<PulseEngine> engine)
        : pulse(std::move(engine))
        , watch(*pulse)
    { }

    ~DeviceWatch()
    {
        PulseEngine::Lock lock(*pulse);
        watch.clear();
    }

    DeviceWatch(const DeviceWatch&) = delete;
    DeviceWatch& operator=(const DeviceWatch&) = delete;

    std::shared_ptr<PulseEngine> pulse;
    PulseEngine::Watch watch;
};

} // namespace tolvaran
