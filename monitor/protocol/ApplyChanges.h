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
// that fails. A failed settings or table report does not keep the others from
// going. Stops as soon as the abort flag is seen. True only when the mouse took
// every report and handshake that was due (and none was due counts as taken).
bool applyChanges(DeviceLink& link, const settings::SettingsBlock& block);

// applyChanges with every change flag set: the active profile, the settings and
// button tables of all five profiles and every macro the mouse knows. For files
// edited while the mouse could not take them.
bool applyEverything(DeviceLink& link, const settings::SettingsBlock& block);

// The apply request: restore-defaults command for `wParam` 1, else applyChanges
// (applyEverything when `everything`). True when the mouse took all of it.
bool applyRequest(DeviceLink& link, const settings::SettingsBlock& block, int wParam, bool everything = false);

}  // namespace monitor::protocol
