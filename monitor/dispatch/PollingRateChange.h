#pragma once
// The mouse switched its polling rate (value 1-4 for rate index 0-3).

#include "monitor/dispatch/DispatchContext.h"

namespace monitor::dispatch {

// False (nothing done) for a value outside 1-4 or without an active profile.
bool changePollingRateByMouse(DispatchContext& context, int value);

}  // namespace monitor::dispatch
