#pragma once
// The line the main window's status line shows after an apply.
#include "option/core/ApplyChanges.h"
#include "option/core/TextIds.h"

namespace option::core {

TextId applyOutcomeText(const ApplyOutcome& outcome);

}  // namespace option::core
