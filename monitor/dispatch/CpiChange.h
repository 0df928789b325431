#pragma once
// The mouse switched to CPI level 1-5.

#include "monitor/dispatch/DispatchContext.h"

namespace monitor::dispatch {

// False (nothing done) for a level outside 1-5 or without an active profile.
bool changeCpiLevelByMouse(DispatchContext& context, int levelNumber);

}  // namespace monitor::dispatch
