#include "settings/ButtonAssignmentSteps.h"

#include <algorithm>
#include <cstring>
#include <iterator>

#include "settings/FixedText.h"
#include "settings/FunctionCodes.h"
#include "settings/ShortcutKey.h"

namespace settings {
namespace {

constexpr std::uint32_t kAllDevicesId = 0xFFFF;

const MacroRecord* macroAt(const MacroStore& store, int set, int macro)
{
    if (set < 0 || static_cast<std::size_t>(set) >= store.sets.size())
        return nullptr;
    const auto& macros = store.sets[static_cast<std::size_t>(set)].macros;
    if (macro < 0 || static_cast<std::size_t>(macro) >= macros.size())
        return nullptr;
    return &macros[static_cast<std::size_t>(macro)];
}

const TimerRecord* timerAt(const TimerStore& timers, int index)
{
    if (index < 0 || index >= kMaxAssignableTimers || static_cast<std::size_t>(index) >= timers.size())
        return nullptr;
    return &timers[static_cast<std::size_t>(index)];
}

void clearMacroFields(ButtonAssignment& slot)
{
    slot.MacroEventCount = 0;
    slot.MacroLoopCount = 0;
    std::fill(std::begin(slot.MacroEvents), std::end(slot.MacroEvents), MacroEvent{});
    setFieldText(slot.MacroSetName, "");
    setFieldText(slot.MacroName, "");
}

void copyMacro(ButtonAssignment& slot, const MacroSet& set, const MacroRecord& macro)
{
    // The slot keeps the count as stored; players bound it by the 500 events.
    slot.MacroEventCount = static_cast<std::uint16_t>(macro.EventCount);
    slot.MacroLoopCount = macro.LoopCount;
    setFieldText(slot.MacroSetName, set.name);
    setFieldText(slot.MacroName, fieldText(macro.Name));
    std::memcpy(slot.MacroEvents, macro.Events, sizeof slot.MacroEvents);
}

}  // namespace

FunctionChoice FunctionChoice::plain(std::uint8_t code)
{
    FunctionChoice choice;
    choice.code = code;
    return choice;
}

FunctionChoice FunctionChoice::macroOf(int set, int macro)
{
    FunctionChoice choice = plain(kFunctionMacro);
    choice.macroSet = set;
    choice.macro = macro;
    return choice;
}

FunctionChoice FunctionChoice::timerOf(int index)
{
    FunctionChoice choice = plain(kFunctionTimer);
    choice.timer = index;
    return choice;
}

FunctionChoice FunctionChoice::parleyDevice(std::uint16_t productId, std::string name, bool lock)
{
    FunctionChoice choice = plain(lock ? kFunctionParleyDeviceLock : kFunctionParleyDevice);
    choice.deviceId = productId;
    choice.deviceName = std::move(name);
    return choice;
}

FunctionChoice FunctionChoice::shortcut(std::uint8_t key, std::uint8_t modifiers)
{
    FunctionChoice choice = plain(kFunctionShortcut);
    choice.shortcutKey = key;
    choice.shortcutModifiers = modifiers;
    return choice;
}

FunctionChoice FunctionChoice::program(std::string path)
{
    FunctionChoice choice = plain(kFunctionProgramLaunch);
    choice.programPath = std::move(path);
    return choice;
}

bool assignFunction(SettingsBlock& block, int profile, int slot, const FunctionChoice& choice,
                    const FunctionStores& stores, ShiftPartnerMemo& memo)
{
    if (!isValidProfileIndex(profile) || !isValidButtonSlot(slot))
        return false;
    const MacroRecord* macro = nullptr;
    const TimerRecord* timer = nullptr;
    if (choice.code == kFunctionMacro && (macro = macroAt(stores.macros, choice.macroSet, choice.macro)) == nullptr)
        return false;
    if (choice.code == kFunctionTimer && (timer = timerAt(stores.timers, choice.timer)) == nullptr)
        return false;

    ButtonAssignment& assignment = block.Profiles[profile].MacroKeyInfo[slot];
    const std::uint8_t oldCode = assignment.FunctionCode;
    assignment.FunctionCode = choice.code;

    switch (choice.code) {
    case kFunctionParleyDevice:
    case kFunctionParleyDeviceLock:
        assignment.DeviceId = choice.deviceId;
        setFieldText(assignment.DeviceName, choice.deviceName);
        break;
    case kFunctionParleyAll:
    case kFunctionParleyAllLock:
        assignment.DeviceId = kAllDevicesId;
        break;
    case kFunctionTimer:
        assignment.TimerValue = timer->Seconds;
        setFieldText(assignment.TimerName, fieldText(timer->Name));
        break;
    case kFunctionShortcut:
        storeShortcut(assignment, choice.shortcutKey, choice.shortcutModifiers);
        break;
    case kFunctionProgramLaunch:
        setFieldText(assignment.ProgramPath, choice.programPath);
        break;
    default:
        break;
    }
    if (choice.code == kFunctionMacro)
        copyMacro(assignment, stores.macros.sets[static_cast<std::size_t>(choice.macroSet)], *macro);
    else if (choice.code != kFunctionShortcut)
        clearMacroFields(assignment);

    block.ButtonChangedFlags[profile * kButtonSlotCount + slot] = 1;
    if (choice.code != oldCode)
        applyShiftPartnerRule(block, profile, slot, memo);
    return true;
}

}  // namespace settings
