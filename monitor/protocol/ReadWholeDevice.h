#pragma once
// Reads everything the mouse keeps back into the block, after start-up and after
// each arrival of the mouse, then hands the result to the monitor.

#include "monitor/protocol/DeviceLink.h"
#include "settings/InstallFolder.h"
#include "settings/SettingsBlock.h"

namespace monitor::protocol {

// What the monitor does with a complete read, called in this order.
class WholeDeviceReadSink {
public:
    virtual ~WholeDeviceReadSink() = default;
    // Write config.ini and the profile files.
    virtual void saveConfiguration(const settings::SettingsBlock& block) = 0;
    // Copy the block into the shared section.
    virtual void publishBlock(const settings::SettingsBlock& block) = 0;
    // Post 1254 so the configuration application reloads.
    virtual void notifyReloaded() = 0;
};

inline constexpr int kMacroReadAttempts = 3;

// Firmware version, active profile, the settings and then the button tables of
// profiles 0-4, every macro the button tables name (three attempts each), the
// tracking report; then the change flags are cleared. The abort flag during the
// first four steps ends the read at once with failure; during the macros it only
// ends them. Only when the tracking read succeeded does the sink get the block.
bool readWholeDevice(DeviceLink& link, settings::SettingsBlock& block, const settings::InstallFolder& folder,
                     WholeDeviceReadSink& sink);

}  // namespace monitor::protocol
