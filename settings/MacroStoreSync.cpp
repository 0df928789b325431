#include "settings/MacroStoreSync.h"

#include <cstring>

#include "settings/FixedText.h"
#include "settings/FunctionCodes.h"

namespace settings {
namespace {

void copySlotEvents(const ButtonAssignment& slot, MacroRecord& macro)
{
    std::memcpy(macro.Events, slot.MacroEvents, sizeof macro.Events);
    macro.EventCount = slot.MacroEventCount;
    macro.LoopCount = slot.MacroLoopCount;
}

MacroRecord macroFromSlot(const ButtonAssignment& slot)
{
    MacroRecord macro;
    setFieldText(macro.Name, fieldText(slot.MacroName));
    copySlotEvents(slot, macro);
    return macro;
}

// Returns whether the store changed.
bool syncSlot(MacroStore& store, const ButtonAssignment& slot)
{
    const auto setName = fieldText(slot.MacroSetName);
    const MacroLocation found = findMacro(store, setName, fieldText(slot.MacroName), &slot);
    if (!found.setFound()) {
        MacroSet set;
        set.name = std::string(setName);
        store.sets.push_back(std::move(set));
    }
    MacroSet& set = found.setFound() ? store.sets[static_cast<std::size_t>(found.set)] : store.sets.back();
    if (!found.macroFound()) {
        set.macros.push_back(macroFromSlot(slot));
        set.mark = MacroChangeMark::Added;
        return true;
    }
    if (found.sameEvents)
        return false;
    copySlotEvents(slot, set.macros[static_cast<std::size_t>(found.macro)]);
    set.mark = MacroChangeMark::Changed;
    return true;
}

}  // namespace

bool syncMacroStoreWithProfiles(MacroStore& store, const SettingsBlock& block)
{
    bool changed = false;
    for (const ProfileRecord& profile : block.Profiles) {
        for (const ButtonAssignment& slot : profile.MacroKeyInfo) {
            if (slot.FunctionCode == kFunctionMacro && !fieldText(slot.MacroSetName).empty())
                changed = syncSlot(store, slot) || changed;
        }
    }
    return changed;
}

bool synchroniseMacroStore(MacroStore& store, const SettingsBlock& block, const std::string& storePath)
{
    syncMacroStoreWithProfiles(store, block);
    return saveMacroStore(store, storePath);
}

}  // namespace settings
