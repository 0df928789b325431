#include "monitor/host/Clock.h"

#include <thread>

namespace monitor::host {

void StopSignal::request()
{
    {
        std::lock_guard lock(mutex_);
        requested_ = true;
    }
    woken_.notify_all();
}

void StopSignal::clear()
{
    std::lock_guard lock(mutex_);
    requested_ = false;
}

bool StopSignal::waitUntil(MonotonicTime deadline)
{
    std::unique_lock lock(mutex_);
    return woken_.wait_until(lock, deadline, [this] { return requested_.load(); });
}

void SteadyClock::sleepUntil(MonotonicTime deadline, StopSignal* interrupt)
{
    if (interrupt != nullptr)
        interrupt->waitUntil(deadline);
    else
        std::this_thread::sleep_until(deadline);
}

}  // namespace monitor::host
