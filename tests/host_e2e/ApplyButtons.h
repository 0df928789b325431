#pragma once
// The configuration application's Apply, done from the test: the section's
// block is edited under the lock, flagged, copied out and saved into the run
// tree, then the monitor gets message 1224 and sends the change to the mouse.

#include <functional>
#include <string>

#include "settings/SettingsBlock.h"

namespace e2e {

// False when the section cannot be used or the mouse did not take the change.
bool applyToMonitor(const std::string& tree, const std::function<void(settings::SettingsBlock&)>& edit);

// Slot `slot` of the active profile plays `events` once.
void assignMacro(settings::SettingsBlock& block, int slot, const std::vector<settings::MacroEvent>& events);
// Slot `slot` of the active profile holds the key (a HID usage) without modifiers.
void assignShortcut(settings::SettingsBlock& block, int slot, std::uint8_t usage);

}  // namespace e2e
