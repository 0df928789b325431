#pragma once
// What one button slot of a profile does: its function code and the data the
// function needs (a device of the inter-device feature, a copy of a macro, a
// timer, a program path; a key shortcut reuses the first event bytes).

#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "settings/MacroEvent.h"

namespace settings {

inline constexpr int kButtonSlotCount = 24;
inline constexpr std::size_t kButtonNameSize = 50;
inline constexpr std::size_t kTimerNameFieldSize = 100;
inline constexpr std::size_t kProgramPathSize = 260;

#pragma pack(push, 1)
struct ButtonAssignment {
    std::uint8_t SlotIndex = 0;       // 0-23, written when the profile is created
    std::uint8_t FunctionCode = 0;
    std::uint8_t Reserved0[2] = {};
    std::uint32_t DeviceId = 0;       // product ID of a Parley device, 0xFFFF = all devices
    char DeviceName[kButtonNameSize] = {};
    char MacroSetName[kButtonNameSize] = {};
    char MacroName[kButtonNameSize] = {};
    std::uint8_t Reserved1[2] = {};
    std::int32_t MacroLoopCount = 0;
    // Events in use of the macro; for a key shortcut 1 once a key was chosen.
    std::uint16_t MacroEventCount = 0;
    // The macro's events; a key shortcut keeps its key in byte 0 and its modifiers in byte 1.
    MacroEvent MacroEvents[kMaxMacroEvents] = {};
    std::uint8_t Reserved2[2] = {};
    std::int32_t TimerValue = 0;
    char TimerName[kTimerNameFieldSize] = {};
    char ProgramPath[kProgramPathSize] = {};
};
#pragma pack(pop)

static_assert(sizeof(ButtonAssignment) == 2532);
static_assert(offsetof(ButtonAssignment, SlotIndex) == 0);
static_assert(offsetof(ButtonAssignment, FunctionCode) == 1);
static_assert(offsetof(ButtonAssignment, Reserved0) == 2);
static_assert(offsetof(ButtonAssignment, DeviceId) == 4);
static_assert(offsetof(ButtonAssignment, DeviceName) == 8);
static_assert(offsetof(ButtonAssignment, MacroSetName) == 58);
static_assert(offsetof(ButtonAssignment, MacroName) == 108);
static_assert(offsetof(ButtonAssignment, Reserved1) == 158);
static_assert(offsetof(ButtonAssignment, MacroLoopCount) == 160);
static_assert(offsetof(ButtonAssignment, MacroEventCount) == 164);
static_assert(offsetof(ButtonAssignment, MacroEvents) == 166);
static_assert(offsetof(ButtonAssignment, Reserved2) == 2166);
static_assert(offsetof(ButtonAssignment, TimerValue) == 2168);
static_assert(offsetof(ButtonAssignment, TimerName) == 2172);
static_assert(offsetof(ButtonAssignment, ProgramPath) == 2272);
static_assert(std::is_trivially_copyable_v<ButtonAssignment> && std::is_standard_layout_v<ButtonAssignment>);

// The function code each slot of a new profile receives: slots 0-11 are the
// normal layer, 12-23 the Dualkey layer (slot n + 12 shifts slot n).
inline constexpr std::uint8_t kDefaultFunctionCodes[kButtonSlotCount] = {
    1, 2, 3, 7, 65, 9, 10, 13, 14, 21, 22, 26,
    8, 7, 37, 6, 0, 33, 34, 38, 39, 17, 18, 27,
};

}  // namespace settings
