#include "monitor/app/WriteThrottle.h"

#include <algorithm>

namespace monitor::app {

std::optional<std::chrono::milliseconds> WriteThrottle::changed(Clock::time_point now)
{
    if (waiting_)
        return std::nullopt;
    waiting_ = true;
    if (!lastWrite_ || now - *lastWrite_ >= interval_)
        return std::chrono::milliseconds::zero();
    const auto rest = std::chrono::ceil<std::chrono::milliseconds>(*lastWrite_ + interval_ - now);
    return std::max(rest, std::chrono::milliseconds(1));
}

void WriteThrottle::written(Clock::time_point now)
{
    lastWrite_ = now;
    waiting_ = false;
}

}  // namespace monitor::app
