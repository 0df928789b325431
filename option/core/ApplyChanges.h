#pragma once
// The Apply transaction: change flags against the applied block, the block into
// the monitor's section, the configuration files, the apply request, and the
// working block taken as the new applied state.
#include "option/core/ApplicationCore.h"
#include "platform/Types.h"

namespace option::core {

struct ApplyOutcome {
    bool filesWritten = false;
    bool copiedOut = false;        // into the monitor's section
    bool requestSent = false;      // the monitor's window existed
};

// Sets the working block's change flags for what differs from the applied block;
// button flags already set stay set.
void markChanges(ApplicationBlocks& blocks);

// `request` is the apply request's wParam: messages::kApplyChanges, or
// messages::kApplyDefaultsRestored after a reset. Button flags the editing set
// stay set. Returns once the monitor has handled the request.
ApplyOutcome applyChanges(ApplicationCore& core, platform::WParam request);

}  // namespace option::core
