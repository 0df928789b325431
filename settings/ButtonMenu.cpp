#include "settings/ButtonMenu.h"

#include "settings/ButtonSlots.h"
#include "settings/OsVersionClass.h"
#include "settings/TimerStore.h"

namespace settings {
namespace {

using Kind = MenuEntryKind;

constexpr MenuEntry fn(std::uint8_t code)
{
    return MenuEntry{Kind::Function, code};
}

constexpr MenuEntry kSeparator{Kind::Separator};

constexpr MenuEntry kDualkeyEntries[] = {
    fn(kFunctionDualkey), kSeparator, fn(kFunctionRollmodeSensitivity), fn(kFunctionRollmodeProfile),
    fn(kFunctionRollmodeDpi), fn(kFunctionRollmodeVolume), fn(kFunctionRollmodeAltTab),
    fn(kFunctionRollmodeAeroFlip3D),
};
constexpr MenuEntry kParleyEntries[] = {fn(kFunctionParleyAll), {Kind::ParleyDevices}};
constexpr MenuEntry kMacroEntries[] = {{Kind::CreateNewMacro}, {Kind::MacroSets}};
constexpr MenuEntry kTimerEntries[] = {
    {Kind::CreateTimer}, {Kind::EditDeleteTimer}, fn(kFunctionStopTimer), {Kind::Timers},
};
constexpr MenuEntry kProfileEntries[] = {
    fn(kFunctionProfileCycle), fn(kFunctionProfileUp), fn(kFunctionProfileDown),
};
constexpr MenuEntry kDpiEntries[] = {fn(kFunctionDpiCycle), fn(kFunctionDpiUp), fn(kFunctionDpiDown)};
constexpr MenuEntry kSensitivityEntries[] = {
    fn(kFunctionSensitivityCycle), fn(kFunctionSensitivityUp), fn(kFunctionSensitivityDown),
};
constexpr MenuEntry kMultimediaEntries[] = {
    fn(kFunctionWindowsMute), fn(kFunctionVolumeUp), fn(kFunctionVolumeDown), kSeparator,
    {Kind::SelectPlayer}, kSeparator, fn(kFunctionOpenPlayer), fn(kFunctionPreviousTrack),
    fn(kFunctionNextTrack), fn(kFunctionPlayPause), fn(kFunctionStop),
};
constexpr MenuEntry kPinpointEntries[] = {{Kind::PinpointLevels}};
constexpr MenuEntry kMainEntries[] = {
    fn(kFunctionClick), fn(kFunctionMenu), fn(kFunctionUniversalScrolling), fn(kFunctionDoubleClick),
    fn(kFunctionShortcut), fn(kFunctionDisabled), fn(kFunctionIeForward), fn(kFunctionIeBackward),
    fn(kFunctionTiltLeft), fn(kFunctionTiltRight), fn(kFunctionScrollUp), fn(kFunctionScrollDown),
    fn(kFunctionProgramLaunch), fn(kFunctionWindowsKey), fn(kFunctionOpenDriver),
};

using enum SlotRestriction;

const MenuGroupLayout kLayout[] = {
    {MenuGroup::Dualkey, "Dualkey[+] Zuro Vell Lumic Noxa Edition", 140, DualkeySlots, kDualkeyEntries},
    {MenuGroup::Parley, "VANTRO Parley", 170, DualkeySlots, kParleyEntries},
    {MenuGroup::Macro, "Macro + Preset Compilation", 0, AnySlot, kMacroEntries},
    {MenuGroup::Timer, "Assign a Timer", 0, AnySlot, kTimerEntries},
    {MenuGroup::Profile, "Profile", 0, AnySlot, kProfileEntries},
    {MenuGroup::DpiSetting, "DPI Setting", 0, AnySlot, kDpiEntries},
    {MenuGroup::Sensitivity, "Sensitivity", 0, AnySlot, kSensitivityEntries},
    {MenuGroup::Multimedia, "Multimedia", 0, AnySlot, kMultimediaEntries},
    {MenuGroup::Pinpoint, "Pinpoint", 140, NormalLayer, kPinpointEntries},
    {MenuGroup::Main, "", 140, AnySlot, kMainEntries},
};

}  // namespace

std::span<const MenuGroupLayout> buttonMenuLayout()
{
    return kLayout;
}

std::string_view menuEntryText(const MenuEntry& entry)
{
    switch (entry.kind) {
    case Kind::Function:
        if (const FunctionCodeInfo* info = findFunctionCode(entry.code))
            return info->menuItem;
        return {};
    case Kind::SelectPlayer:
        return "Select Player";
    case Kind::CreateNewMacro:
        return "Create New Macro...";
    case Kind::CreateTimer:
        return "Create Timer";
    case Kind::EditDeleteTimer:
        return "Edit/Delete Timer";
    default:
        return {};
    }
}

bool slotAllows(SlotRestriction restriction, int slot)
{
    switch (restriction) {
    case SlotRestriction::AnySlot:
        return slot >= 0 && slot < kButtonSlotCount;
    case SlotRestriction::NormalLayer:
        return isNormalLayerSlot(slot);
    case SlotRestriction::DualkeySlots:
        return isDualkeySlot(slot);
    }
    return false;
}

bool isOfferedOnSlot(std::uint8_t code, int slot, int osVersionClass)
{
    const FunctionCodeInfo* info = findFunctionCode(code);
    if (info == nullptr || info->menuGroup == MenuGroup::NotOffered || !slotAllows(info->slots, slot))
        return false;
    return code != kFunctionRollmodeAeroFlip3D || osVersionClass != kOsVersionClassXp;
}

std::string parleyDeviceMenuTitle(std::string_view deviceName)
{
    return "VANTRO Parley: " + std::string(deviceName);
}

std::string parleyDeviceMenuItem(std::string_view deviceName, bool lock)
{
    return "Dualkey[+] " + std::string(deviceName) + (lock ? " Lock/Unlock" : "");
}

std::string pinpointMenuItem(long long resolution)
{
    return std::to_string(resolution) + " DPI";
}

std::optional<int> macroMenuCommand(int set, int macro)
{
    if (set < 0 || set >= kMacroMenuSets || macro < 0 || macro >= kMacroMenuMacros)
        return std::nullopt;
    return kMacroCommandBase + kMacroMenuMacros * set + macro;
}

std::optional<MacroMenuChoice> macroFromMenuCommand(int command)
{
    if (command < kMacroCommandBase || command >= kMacroCommandBase + kMacroMenuSets * kMacroMenuMacros)
        return std::nullopt;
    const int offset = command - kMacroCommandBase;
    return MacroMenuChoice{offset / kMacroMenuMacros, offset % kMacroMenuMacros};
}

int timerMenuCommand(int timerIndex)
{
    return kTimerCommandBase + timerIndex;
}

std::optional<int> timerFromMenuCommand(int command)
{
    if (command < kTimerCommandBase || command >= kTimerCommandBase + kMaxAssignableTimers)
        return std::nullopt;
    return command - kTimerCommandBase;
}

}  // namespace settings
