#pragma once
// The mouse switched to profile 1-5 by itself: the monitor follows, announces
// it, publishes the block and tells the application, the pointer settings and
// the Parley software.

#include "monitor/dispatch/DispatchContext.h"

namespace monitor::dispatch {

// False (nothing done) for a number outside 1-5.
bool switchProfileByMouse(DispatchContext& context, int profileNumber);

}  // namespace monitor::dispatch
