#pragma once
// What the configuration application's apply request sends: exactly the reports
// its change flags mark, or the restore-defaults command after a reset.

#include "monitor/protocol/DeviceLink.h"
#include "settings/SettingsBlock.h"

namespace monitor::protocol {

// The apply request's wParam after the application restored the defaults.
inline constexpr int kApplyAfterRestoringDefaults = 1;

// In order: the active profile, the settings of each flagged profile, the button
// table of each profile with a flagged slot (each followed by 100 ms), then the
// macro of every flagged macro slot the mouse knows, stopping at the first macro
// that fails. Stops with failure as soon as the abort flag is seen. The result is
// that of the last macro written, true when none was due.
bool applyChanges(DeviceLink& link, const settings::SettingsBlock& block);

// The apply request: restore-defaults command for `wParam` 1, else applyChanges.
bool applyRequest(DeviceLink& link, const settings::SettingsBlock& block, int wParam);

}  // namespace monitor::protocol
