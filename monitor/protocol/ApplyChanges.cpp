#include "monitor/protocol/ApplyChanges.h"

#include "monitor/protocol/DeviceOperations.h"
#include "monitor/protocol/ProtocolConstants.h"
#include "monitor/protocol/SlotMap.h"

namespace monitor::protocol {
namespace {

bool anyButtonFlagSet(const settings::SettingsBlock& block, int profile)
{
    for (int slot = 0; slot < settings::kButtonSlotCount; ++slot) {
        if (settings::isSet(block.ButtonChangedFlags[profile * settings::kButtonSlotCount + slot]))
            return true;
    }
    return false;
}

bool isFlaggedMacro(const settings::SettingsBlock& block, int profile, int slot)
{
    return deviceButtonOfSlot(slot).has_value() &&
           block.Profiles[profile].MacroKeyInfo[slot].FunctionCode == kFunctionCodeMacro &&
           settings::isSet(block.ButtonChangedFlags[profile * settings::kButtonSlotCount + slot]);
}

bool pause(DeviceLink& link)
{
    return abortablePause(link.pauser, kPauseBetweenReports, link.abort);
}

}  // namespace

bool applyChanges(DeviceLink& link, const settings::SettingsBlock& block)
{
    // A failed write of these reports does not stop the apply: the others still
    // carry the user's changes.
    if (settings::isSet(block.ActiveProfileChangedFlag)) {
        writeActiveProfile(link, block);
        if (!pause(link))
            return false;
    }
    for (int profile = 0; profile < settings::kProfileCount; ++profile) {
        if (!settings::isSet(block.ProfileChangedFlags[profile]))
            continue;
        writeProfileSettings(link, block, profile);
        if (!pause(link))
            return false;
    }
    for (int profile = 0; profile < settings::kProfileCount; ++profile) {
        if (!anyButtonFlagSet(block, profile))
            continue;
        writeButtonTable(link, block, profile);
        if (!pause(link))
            return false;
    }
    bool result = true;
    for (int profile = 0; profile < settings::kProfileCount; ++profile) {
        for (int slot = 0; slot < settings::kButtonSlotCount; ++slot) {
            if (link.abort.load())
                return false;
            if (!isFlaggedMacro(block, profile, slot))
                continue;
            result = writeMacro(link, block, profile, slot);
            if (!result)
                return false;
        }
    }
    return result && !link.abort.load();
}

bool applyRequest(DeviceLink& link, const settings::SettingsBlock& block, int wParam)
{
    if (wParam == kApplyAfterRestoringDefaults)
        return writeRestoreDefaults(link);
    return applyChanges(link, block);
}

}  // namespace monitor::protocol
