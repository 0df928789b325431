#pragma once
// Reset to defaults: the default block, every change flag set, applied as a
// restore of the defaults.
#include "option/core/ApplyChanges.h"

namespace option::core {

ApplyOutcome resetToDefaults(ApplicationCore& core);

}  // namespace option::core
