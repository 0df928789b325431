#include "monitor/protocol/ApplyChanges.h"

#include <memory>

#include "monitor/protocol/DeviceOperations.h"
#include "monitor/protocol/ProtocolConstants.h"
#include "monitor/protocol/SlotMap.h"
#include "settings/ChangeFlags.h"

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
    // carry the user's changes. It still makes the apply a failure.
    bool allTaken = true;
    if (settings::isSet(block.ActiveProfileChangedFlag)) {
        allTaken = writeActiveProfile(link, block) && allTaken;
        if (!pause(link))
            return false;
    }
    for (int profile = 0; profile < settings::kProfileCount; ++profile) {
        if (!settings::isSet(block.ProfileChangedFlags[profile]))
            continue;
        allTaken = writeProfileSettings(link, block, profile) && allTaken;
        if (!pause(link))
            return false;
    }
    for (int profile = 0; profile < settings::kProfileCount; ++profile) {
        if (!anyButtonFlagSet(block, profile))
            continue;
        allTaken = writeButtonTable(link, block, profile) && allTaken;
        if (!pause(link))
            return false;
    }
    for (int profile = 0; profile < settings::kProfileCount; ++profile) {
        for (int slot = 0; slot < settings::kButtonSlotCount; ++slot) {
            if (link.abort.load())
                return false;
            if (!isFlaggedMacro(block, profile, slot))
                continue;
            if (!writeMacro(link, block, profile, slot))
                return false;
        }
    }
    return allTaken && !link.abort.load();
}

bool applyEverything(DeviceLink& link, const settings::SettingsBlock& block)
{
    const auto flagged = std::make_unique<settings::SettingsBlock>(block);
    settings::forceAllChangeFlags(*flagged);
    // Files without an active profile leave the mouse on its own.
    if (!settings::isValidProfileIndex(flagged->CurrentProfile))
        flagged->ActiveProfileChangedFlag = 0;
    return applyChanges(link, *flagged);
}

bool applyRequest(DeviceLink& link, const settings::SettingsBlock& block, int wParam, bool everything)
{
    if (wParam == kApplyAfterRestoringDefaults)
        return writeRestoreDefaults(link);
    return everything ? applyEverything(link, block) : applyChanges(link, block);
}

}  // namespace monitor::protocol
