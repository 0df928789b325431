#include "monitor/protocol/Pauser.h"

#include <thread>

namespace monitor::protocol {

void SleepingPauser::sleep(std::chrono::milliseconds duration)
{
    std::this_thread::sleep_for(duration);
}

bool abortablePause(Pauser& pauser, std::chrono::milliseconds duration, const std::atomic<bool>& abort)
{
    const auto steps = duration / kPauseStep;
    for (auto step = decltype(steps){0}; step < steps; ++step) {
        if (abort.load())
            return false;
        pauser.sleep(kPauseStep);
    }
    return true;
}

}  // namespace monitor::protocol
