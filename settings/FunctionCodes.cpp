#include "settings/FunctionCodes.h"

#include <algorithm>
#include <array>

namespace settings {
namespace {

using Caption = CaptionKind;
using Menu = MenuGroup;
using enum SlotRestriction;

constexpr bool kDialog = true;

constexpr FunctionCodeInfo kCatalogue[] = {
    {kFunctionFree, Caption::Fixed, "Disabled", Menu::NotOffered, "", kUsesNothing, AnySlot, false},
    {kFunctionClick, Caption::Fixed, "Click", Menu::Main, "Click", kUsesNothing, AnySlot, false},
    {kFunctionMenu, Caption::Fixed, "Menu", Menu::Main, "Menu", kUsesNothing, AnySlot, false},
    {kFunctionUniversalScrolling, Caption::Fixed, "Universal scrolling", Menu::Main, "Universal scrolling", kUsesNothing, AnySlot, false},
    {kFunctionDoubleClick, Caption::Fixed, "Double-click", Menu::Main, "Double-click", kUsesNothing, AnySlot, false},
    {kFunctionShortcut, Caption::Shortcut, "", Menu::Main, "Assign a Shortcut", kUsesShortcut, AnySlot, kDialog},
    {kFunctionDisabled, Caption::Fixed, "Disabled", Menu::Main, "Disabled", kUsesNothing, AnySlot, false},
    {kFunctionIeForward, Caption::Fixed, "IE Forward", Menu::Main, "IE Forward", kUsesNothing, AnySlot, false},
    {kFunctionIeBackward, Caption::Fixed, "IE Backward", Menu::Main, "IE Backward", kUsesNothing, AnySlot, false},
    {kFunctionTiltLeft, Caption::Fixed, "Tilt Left", Menu::Main, "Tilt Left", kUsesNothing, AnySlot, false},
    {kFunctionTiltRight, Caption::Fixed, "Tilt Right", Menu::Main, "Tilt Right", kUsesNothing, AnySlot, false},
    {kFunctionDpiChange, Caption::Fixed, "DPI Change", Menu::NotOffered, "", kUsesNothing, AnySlot, false},
    {kFunctionScrollUp, Caption::Fixed, "Scroll Up", Menu::Main, "Scroll Up", kUsesNothing, AnySlot, false},
    {kFunctionScrollDown, Caption::Fixed, "Scroll Down", Menu::Main, "Scroll Down", kUsesNothing, AnySlot, false},
    {kFunctionProgramLaunch, Caption::ProgramFile, "", Menu::Main, "Quicklaunch", kUsesProgramPath, AnySlot, kDialog},
    {kFunctionProfileCycle, Caption::Fixed, "Profile Cycle", Menu::Profile, "Profile Cycle", kUsesNothing, AnySlot, false},
    {kFunctionProfileUp, Caption::Fixed, "Profile Up", Menu::Profile, "Profile Up", kUsesNothing, AnySlot, false},
    {kFunctionProfileDown, Caption::Fixed, "Profile Down", Menu::Profile, "Profile Down", kUsesNothing, AnySlot, false},
    {kFunctionAssignSensitivity, Caption::Fixed, "Assign a sensitivity", Menu::NotOffered, "", kUsesNothing, AnySlot, false},
    {kFunctionDpiCycle, Caption::Fixed, "DPI Cycle", Menu::DpiSetting, "DPI Cycle", kUsesNothing, AnySlot, false},
    {kFunctionDpiUp, Caption::Fixed, "DPI Up", Menu::DpiSetting, "DPI Up", kUsesNothing, AnySlot, false},
    {kFunctionDpiDown, Caption::Fixed, "DPI Down", Menu::DpiSetting, "DPI Down", kUsesNothing, AnySlot, false},
    {kFunctionSensitivityCycle, Caption::Fixed, "Sensitivity Cycle", Menu::Sensitivity, "Sensitivity Cycle", kUsesNothing, AnySlot, false},
    {kFunctionSensitivityUp, Caption::Fixed, "Sensitivity Up", Menu::Sensitivity, "Sensitivity Up", kUsesNothing, AnySlot, false},
    {kFunctionSensitivityDown, Caption::Fixed, "Sensitivity Down", Menu::Sensitivity, "Sensitivity Down", kUsesNothing, AnySlot, false},
    {kFunctionWindowsKey, Caption::Fixed, "Windows key", Menu::Main, "Windows key", kUsesNothing, AnySlot, false},
    {kFunctionOpenDriver, Caption::Fixed, "Open Driver", Menu::Main, "Open Driver", kUsesNothing, AnySlot, false},
    {kFunctionOpenPlayer, Caption::Fixed, "Open Player", Menu::Multimedia, "Open Player", kUsesPlayer, AnySlot, false},
    {kFunctionPreviousTrack, Caption::Fixed, "Previous Track", Menu::Multimedia, "Previous Track", kUsesPlayer, AnySlot, false},
    {kFunctionNextTrack, Caption::Fixed, "Next Track", Menu::Multimedia, "Next Track", kUsesPlayer, AnySlot, false},
    {kFunctionPlayPause, Caption::Fixed, "Play/Pause", Menu::Multimedia, "Play/Pause", kUsesPlayer, AnySlot, false},
    {kFunctionStop, Caption::Fixed, "Stop", Menu::Multimedia, "Stop", kUsesPlayer, AnySlot, false},
    {kFunctionWindowsMute, Caption::Fixed, "Windows Mute", Menu::Multimedia, "Windows Mute", kUsesNothing, AnySlot, false},
    {kFunctionVolumeUp, Caption::Fixed, "Windows Volume Up", Menu::Multimedia, "Windows Volume Up", kUsesNothing, AnySlot, false},
    {kFunctionVolumeDown, Caption::Fixed, "Windows Volume Down", Menu::Multimedia, "Windows Volume Down", kUsesNothing, AnySlot, false},
    {kFunctionMacro, Caption::MacroName, "", Menu::Macro, "", kUsesMacro, AnySlot, false},
    {kFunctionTimer, Caption::TimerName, "", Menu::Timer, "", kUsesTimer, AnySlot, false},
    {kFunctionStopTimer, Caption::Fixed, "Stop Timer", Menu::Timer, "Stop Timer", kUsesNothing, AnySlot, false},
    {51, Caption::Pinpoint, "Pinpoint %d DPI", Menu::Pinpoint, "", kUsesCpiLevel, NormalLayer, false},
    {52, Caption::Pinpoint, "Pinpoint %d DPI", Menu::Pinpoint, "", kUsesCpiLevel, NormalLayer, false},
    {53, Caption::Pinpoint, "Pinpoint %d DPI", Menu::Pinpoint, "", kUsesCpiLevel, NormalLayer, false},
    {54, Caption::Pinpoint, "Pinpoint %d DPI", Menu::Pinpoint, "", kUsesCpiLevel, NormalLayer, false},
    {55, Caption::Pinpoint, "Pinpoint %d DPI", Menu::Pinpoint, "", kUsesCpiLevel, NormalLayer, false},
    {kFunctionDisabledShown, Caption::Fixed, "Disabled", Menu::NotOffered, "", kUsesNothing, AnySlot, false},
    {kFunctionDualkey, Caption::Fixed, "Dualkey[+] Zuro Vell Lumic Noxa Edition", Menu::Dualkey,
     "Dualkey[+] Zuro Vell Lumic Noxa Edition", kUsesNothing, DualkeySlots, false},
    {kFunctionRollmodeSensitivity, Caption::Fixed, "Rollmode Sensitivity", Menu::Dualkey, "Rollmode Sensitivity", kUsesNothing, DualkeySlots, false},
    {kFunctionRollmodeProfile, Caption::Fixed, "Rollmode Profile", Menu::Dualkey, "Rollmode Profile", kUsesNothing, DualkeySlots, false},
    {kFunctionRollmodeDpi, Caption::Fixed, "Rollmode DPI", Menu::Dualkey, "Rollmode DPI", kUsesNothing, DualkeySlots, false},
    {kFunctionRollmodeVolume, Caption::Fixed, "Rollmode Volume", Menu::Dualkey, "Rollmode Volume", kUsesNothing, DualkeySlots, false},
    {kFunctionRollmodeAltTab, Caption::Fixed, "Rollmode Alt-Tab", Menu::Dualkey, "Rollmode Alt-Tab", kUsesNothing, DualkeySlots, false},
    {kFunctionRollmodeAeroFlip3D, Caption::Fixed, "Rollmode Aero Flip 3D", Menu::Dualkey, "Rollmode Aero Flip 3D", kUsesNothing, DualkeySlots, false},
    {kFunctionParleyDevice, Caption::ParleyDevice, "", Menu::ParleyDevice, "", kUsesDevice, DualkeySlots, false},
    {kFunctionParleyDeviceLock, Caption::ParleyDeviceLock, "", Menu::ParleyDevice, "", kUsesDevice, DualkeySlots, false},
    {kFunctionParleyAll, Caption::Fixed, "Dualkey[+] all devices", Menu::Parley, "Dualkey[+] all devices", kUsesAllDevices, DualkeySlots, false},
    {kFunctionParleyAllLock, Caption::Fixed, "Dualkey[+] all Lock", Menu::NotOffered, "", kUsesAllDevices, AnySlot, false},
};

constexpr bool inCodeOrder()
{
    for (std::size_t i = 1; i < std::size(kCatalogue); ++i) {
        if (kCatalogue[i - 1].code >= kCatalogue[i].code)
            return false;
    }
    return true;
}
static_assert(inCodeOrder(), "findFunctionCode searches the catalogue by bisection");

}  // namespace

std::span<const FunctionCodeInfo> functionCatalogue()
{
    return kCatalogue;
}

const FunctionCodeInfo* findFunctionCode(std::uint8_t code)
{
    const auto* found = std::lower_bound(std::begin(kCatalogue), std::end(kCatalogue), code,
                                         [](const FunctionCodeInfo& info, std::uint8_t c) { return info.code < c; });
    return found != std::end(kCatalogue) && found->code == code ? found : nullptr;
}

}  // namespace settings
