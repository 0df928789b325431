#pragma once
// The two settings blocks the configuration application keeps: the working block
// that every edit changes, and the applied block, the state last received from or
// handed to the monitor and the "before" side of the change comparison.
#include <memory>

#include "settings/SettingsBlock.h"

namespace option::core {

struct ApplicationBlocks {
    // Each block is 314424 bytes: too large for the stack.
    std::unique_ptr<settings::SettingsBlock> working = std::make_unique<settings::SettingsBlock>();
    std::unique_ptr<settings::SettingsBlock> applied = std::make_unique<settings::SettingsBlock>();

    void copyAppliedToWorking() { *working = *applied; }
    void takeWorkingAsApplied() { *applied = *working; }
};

}  // namespace option::core
