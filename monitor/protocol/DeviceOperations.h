#pragma once
// The monitor's single-report operations on the mouse. Each holds the device for
// its exchange, returns true on success, and leaves the block as it was when a
// write or read fails or an answer is refused.

#include <cstdint>
#include <optional>

#include "monitor/protocol/DeviceLink.h"
#include "monitor/protocol/ParleyStateReport.h"
#include "settings/InstallFolder.h"
#include "settings/SettingsBlock.h"

namespace monitor::protocol {

// Also stores the version under `FWVersion` in config.ini, 0 when the read failed.
std::optional<std::uint8_t> readFirmwareVersion(DeviceLink& link, const settings::InstallFolder& folder);

bool readActiveProfile(DeviceLink& link, settings::SettingsBlock& block);
// Sends `CurrentProfile`; nothing is sent when it names no profile 0-4.
bool writeActiveProfile(DeviceLink& link, const settings::SettingsBlock& block);

// `profile` 0-4; any other number fails without a report.
bool readProfileSettings(DeviceLink& link, settings::SettingsBlock& block, int profile);
bool writeProfileSettings(DeviceLink& link, const settings::SettingsBlock& block, int profile);

bool readButtonTable(DeviceLink& link, settings::SettingsBlock& block, int profile);
bool writeButtonTable(DeviceLink& link, const settings::SettingsBlock& block, int profile);

// `slot` is a settings slot 0-23; an unmapped slot fails without a report.
bool readMacro(DeviceLink& link, settings::SettingsBlock& block, int profile, int slot);
bool writeMacro(DeviceLink& link, const settings::SettingsBlock& block, int profile, int slot);

bool writeRestoreDefaults(DeviceLink& link);
bool writeHostPresence(DeviceLink& link, bool present);

// The Padtune level and the decision for `requestCode` (254 keep, 253 discard).
bool writeTracking(DeviceLink& link, std::int32_t disControl, int requestCode);
bool readTracking(DeviceLink& link, settings::SettingsBlock& block);

bool writeParleyState(DeviceLink& link, std::uint8_t a, std::uint8_t b, std::uint8_t c);
bool writeAmbientLight(DeviceLink& link, const AmbientLightState& state);

}  // namespace monitor::protocol
