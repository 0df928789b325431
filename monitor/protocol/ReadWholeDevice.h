#pragma once
// Reads everything the mouse keeps back into a block, after start-up and after
// each arrival of the mouse. The caller takes what was read into its own block,
// saves and publishes it.

#include "monitor/protocol/DeviceLink.h"
#include "settings/InstallFolder.h"
#include "settings/SettingsBlock.h"

namespace monitor::protocol {

inline constexpr int kMacroReadAttempts = 3;
inline constexpr int kButtonTableReadAttempts = 3;

// Firmware version, active profile, the settings and then the button tables of
// profiles 0-4 (three attempts per table), every macro the button tables name
// (three attempts each), the tracking report; then the change flags are cleared.
// The abort flag during the first four steps ends the read at once with failure;
// during the macros it only ends them. True when the read is complete (the
// tracking read succeeded): only then is the block worth keeping.
bool readWholeDevice(DeviceLink& link, settings::SettingsBlock& block, const settings::InstallFolder& folder);

}  // namespace monitor::protocol
