#pragma once
// The mouse asks for a macro by number when it needs one it does not keep.

#include <optional>

#include "monitor/protocol/DeviceLink.h"
#include "settings/SettingsBlock.h"

namespace monitor::protocol {

struct MacroRequestTarget {
    int profile;  // 0-4
    int slot;     // settings slot
};

// Number m names profile (m - 1) / 16 and device button (m - 1) % 16 + 2. Only
// 1-80 name a profile the block has; 81-110 (profiles 5 and 6) and anything else
// give nothing.
std::optional<MacroRequestTarget> macroRequestTarget(int number);

// Writes the requested macro; false, with nothing sent, for a number that names
// no profile of the block.
bool sendRequestedMacro(DeviceLink& link, const settings::SettingsBlock& block, int number);

}  // namespace monitor::protocol
