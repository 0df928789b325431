#pragma once
// The mouse changed its sensitivity: L is the new value (X, or both axes
// together), H the new Y value while the axes are set separately.

#include <cstdint>

#include "monitor/dispatch/DispatchContext.h"

namespace monitor::dispatch {

// False when neither byte held a sensitivity (1-11) that could be taken.
bool changeSensitivityByMouse(DispatchContext& context, std::uint8_t low, std::uint8_t high);

}  // namespace monitor::dispatch
