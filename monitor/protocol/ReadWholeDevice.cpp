#include "monitor/protocol/ReadWholeDevice.h"

#include "monitor/protocol/DeviceOperations.h"
#include "monitor/protocol/ProtocolConstants.h"
#include "monitor/protocol/SlotMap.h"
#include "settings/ChangeFlags.h"

namespace monitor::protocol {
namespace {

bool pause(DeviceLink& link)
{
    return abortablePause(link.pauser, kPauseBetweenReports, link.abort);
}

// Up to three attempts, each followed by the pause. False when the macro could
// not be read or the abort flag was seen.
bool readMacroWithRetries(DeviceLink& link, settings::SettingsBlock& block, int profile, int slot)
{
    for (int attempt = 0; attempt < kMacroReadAttempts; ++attempt) {
        const bool read = readMacro(link, block, profile, slot);
        if (!pause(link))
            return false;
        if (read)
            return true;
    }
    return false;
}

void readMacros(DeviceLink& link, settings::SettingsBlock& block)
{
    for (int profile = 0; profile < settings::kProfileCount; ++profile) {
        for (int slot = 0; slot < settings::kButtonSlotCount; ++slot) {
            if (!deviceButtonOfSlot(slot) ||
                block.Profiles[profile].MacroKeyInfo[slot].FunctionCode != kFunctionCodeMacro)
                continue;
            if (!readMacroWithRetries(link, block, profile, slot))
                return;
        }
    }
}

}  // namespace

bool readWholeDevice(DeviceLink& link, settings::SettingsBlock& block, const settings::InstallFolder& folder,
                     WholeDeviceReadSink& sink)
{
    readFirmwareVersion(link, folder);
    if (!pause(link))
        return false;
    readActiveProfile(link, block);
    if (!pause(link))
        return false;
    for (int profile = 0; profile < settings::kProfileCount; ++profile) {
        readProfileSettings(link, block, profile);
        if (!pause(link))
            return false;
    }
    for (int profile = 0; profile < settings::kProfileCount; ++profile) {
        readButtonTable(link, block, profile);
        if (!pause(link))
            return false;
    }
    readMacros(link, block);

    const bool trackingRead = readTracking(link, block);
    settings::clearChangeFlags(block);
    if (!trackingRead)
        return false;
    sink.saveConfiguration(block);
    sink.publishBlock(block);
    sink.notifyReloaded();
    return true;
}

}  // namespace monitor::protocol
