#pragma once
// A usage count from the mouse: added to its counter, trophies awarded and
// announced, the statistics stored and the application told.

#include <cstdint>

#include "monitor/dispatch/DispatchContext.h"

namespace monitor::dispatch {

// False (nothing done) for a type without a counter.
bool countStatisticsEvent(DispatchContext& context, std::uint16_t eventType, std::uint16_t value);

}  // namespace monitor::dispatch
