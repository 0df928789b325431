#pragma once
// The Apply transaction: change flags against the applied block, the block into
// the monitor's section, the configuration files, the apply request, and the
// working block taken as the new applied state.
#include "option/core/ApplicationCore.h"
#include "platform/Types.h"

namespace option::core {

// What became of an apply, for the status line and zuroctl's exit status.
enum class ApplyResult {
    Taken,      // the monitor sent the change and the mouse took every report
    NotTaken,   // the monitor runs, but the mouse is absent or refused a report or
                // handshake; the files hold the change and are marked pending, so
                // the monitor sends them when the mouse is back
    NoMonitor,  // no monitor runs: the files hold the change and are marked
                // pending, so the monitor sends them at its next start
};

struct ApplyOutcome {
    ApplyResult result = ApplyResult::NoMonitor;
    bool filesWritten = false;
    bool copiedOut = false;      // into the monitor's section
    bool markedPending = false;  // the pending-changes marker was written
};

// Sets the working block's change flags for what differs from the applied block;
// button flags already set stay set.
void markChanges(ApplicationBlocks& blocks);

// `request` is the apply request's wParam: messages::kApplyChanges, or
// messages::kApplyDefaultsRestored after a reset. Button flags the editing set
// stay set. Returns once the monitor has handled the request. Unless the mouse
// took the change, the files are marked as holding changes the mouse has not
// taken (settings/PendingChanges.h). The caller holds the editors' lock
// (EditorsLock.h) across the call, and a short-lived editor such as zuroctl
// from its copy in of the block.
ApplyOutcome applyChanges(ApplicationCore& core, platform::WParam request);

}  // namespace option::core
