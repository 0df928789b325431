#pragma once
// The one-byte function codes of the button slots and their catalogue: caption,
// where the button page's menu offers each code, the slot data it uses and the
// slots that may take it. Codes not in the catalogue have an empty caption and
// are never offered; they are still stored and passed on as they are.

#include <cstdint>
#include <span>

namespace settings {

enum FunctionCode : std::uint8_t {
    kFunctionFree = 0,  // the free shifted partner of a Dualkey key
    kFunctionClick = 1,
    kFunctionMenu = 2,
    kFunctionUniversalScrolling = 3,
    kFunctionDoubleClick = 4,
    kFunctionShortcut = 5,
    kFunctionDisabled = 6,
    kFunctionIeForward = 7,
    kFunctionIeBackward = 8,
    kFunctionTiltLeft = 9,
    kFunctionTiltRight = 10,
    kFunctionDpiChange = 11,
    kFunctionScrollUp = 13,
    kFunctionScrollDown = 14,
    kFunctionProgramLaunch = 15,
    kFunctionProfileCycle = 16,
    kFunctionProfileUp = 17,
    kFunctionProfileDown = 18,
    kFunctionAssignSensitivity = 19,
    kFunctionDpiCycle = 20,
    kFunctionDpiUp = 21,
    kFunctionDpiDown = 22,
    kFunctionSensitivityCycle = 23,
    kFunctionSensitivityUp = 24,
    kFunctionSensitivityDown = 25,
    kFunctionWindowsKey = 26,
    kFunctionOpenDriver = 27,
    kFunctionOpenPlayer = 32,
    kFunctionPreviousTrack = 33,
    kFunctionNextTrack = 34,
    kFunctionPlayPause = 35,
    kFunctionStop = 36,
    kFunctionWindowsMute = 37,
    kFunctionVolumeUp = 38,
    kFunctionVolumeDown = 39,
    kFunctionMacro = 48,         // '0'
    kFunctionTimer = 49,
    kFunctionStopTimer = 50,
    kFunctionPinpointFirst = 51, // Pinpoint with CPI level code - 51
    kFunctionPinpointLast = 55,
    kFunctionDisabledShown = 64,
    kFunctionDualkey = 65,       // 'A'
    kFunctionRollmodeSensitivity = 66,
    kFunctionRollmodeProfile = 67,
    kFunctionRollmodeDpi = 68,
    kFunctionRollmodeVolume = 69,
    kFunctionRollmodeAltTab = 70,
    kFunctionRollmodeAeroFlip3D = 71,
    kFunctionParleyDevice = 81,      // 'Q'
    kFunctionParleyDeviceLock = 82,  // 'R'
    kFunctionParleyAll = 83,         // 'S'
    kFunctionParleyAllLock = 84,
};

// How a slot's caption is made (see SlotCaption.h).
enum class CaptionKind : std::uint8_t {
    Fixed,            // the catalogue's caption
    Shortcut,         // modifier prefixes and the key's name
    ProgramFile,      // file name and extension of the program path
    MacroName,
    TimerName,
    Pinpoint,         // the caption is a format taking the level's resolution
    ParleyDevice,     // "Dualkey[+] " and the device name
    ParleyDeviceLock, // the same followed by " Lock"
};

// The submenu of the button page's context menu that offers a code.
enum class MenuGroup : std::uint8_t {
    NotOffered,
    Dualkey,
    Parley,
    ParleyDevice,  // one submenu per device of the Parley list, inside Parley
    Macro,         // one submenu per macro set
    Timer,
    Profile,
    DpiSetting,
    Sensitivity,
    Multimedia,
    Pinpoint,
    Main,          // the items below the submenus
};

// Slot data a function uses, as bits.
enum FunctionData : unsigned {
    kUsesNothing = 0,
    kUsesShortcut = 1u << 0,     // key, ShortcutModifiers, shortcut-present mark
    kUsesProgramPath = 1u << 1,
    kUsesMacro = 1u << 2,        // set name, macro name, loop count, event count, events
    kUsesTimer = 1u << 3,        // timer value and name
    kUsesDevice = 1u << 4,       // device identifier and name
    kUsesAllDevices = 1u << 5,   // identifier 0xFFFF
    kUsesPlayer = 1u << 6,       // the profile's selected player
    kUsesCpiLevel = 1u << 7,     // the profile's CpiLevel_X of the code's level
};

enum class SlotRestriction : std::uint8_t {
    AnySlot,
    NormalLayer,   // slots 0-11
    DualkeySlots,  // slots 3 and 4
};

struct FunctionCodeInfo {
    std::uint8_t code;
    CaptionKind captionKind;
    const char* caption;   // fixed caption, or the Pinpoint format; "" when composed
    MenuGroup menuGroup;
    const char* menuItem;  // the entry's text; "" when made from data (devices, macros, timers, levels)
    unsigned dataUsed;     // FunctionData bits
    SlotRestriction slots;
    bool opensDialog;      // the code is set only when its dialog ends with OK
};

// Every catalogued code, in code order.
std::span<const FunctionCodeInfo> functionCatalogue();
// nullptr for a code that is not in the catalogue.
const FunctionCodeInfo* findFunctionCode(std::uint8_t code);

// The Dualkey-type codes (65, 81, 82, 83) keep their own shifted partner free.
constexpr bool isDualkeyType(std::uint8_t code)
{
    return code == kFunctionDualkey || code == kFunctionParleyDevice || code == kFunctionParleyDeviceLock ||
           code == kFunctionParleyAll;
}

constexpr bool isPinpoint(std::uint8_t code)
{
    return code >= kFunctionPinpointFirst && code <= kFunctionPinpointLast;
}

// The CPI level (0-4) whose resolution a Pinpoint code selects.
constexpr int pinpointLevel(std::uint8_t code)
{
    return code - kFunctionPinpointFirst;
}

}  // namespace settings
