#pragma once
// One key event of a macro: key, press or release, and the pause that follows it.
// The same four bytes in the macro store, in a button assignment and in the player.

#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace settings {

inline constexpr std::uint8_t kMacroActionPress = 1;
inline constexpr std::uint8_t kMacroActionRelease = 2;

// Mouse buttons among the key codes (the others are HID keyboard usages).
inline constexpr std::uint8_t kMacroKeyLeftButton = 240;
inline constexpr std::uint8_t kMacroKeyRightButton = 241;
inline constexpr std::uint8_t kMacroKeyWheelButton = 242;
inline constexpr std::uint8_t kMacroKeySideButton1 = 243;
inline constexpr std::uint8_t kMacroKeySideButton2 = 244;

inline constexpr int kMaxMacroEvents = 500;

#pragma pack(push, 1)
struct MacroEvent {
    std::uint8_t Key = 0;
    std::uint8_t Action = 0;     // kMacroActionPress or kMacroActionRelease
    std::uint16_t DelayMs = 0;   // pause after the event
};
#pragma pack(pop)

static_assert(sizeof(MacroEvent) == 4);
static_assert(offsetof(MacroEvent, Key) == 0);
static_assert(offsetof(MacroEvent, Action) == 1);
static_assert(offsetof(MacroEvent, DelayMs) == 2);
static_assert(std::is_trivially_copyable_v<MacroEvent> && std::is_standard_layout_v<MacroEvent>);

// The event as the little-endian 32-bit word: key + action * 256 + delay * 65536.
constexpr std::uint32_t macroEventWord(const MacroEvent& event)
{
    return std::uint32_t{event.Key} | (std::uint32_t{event.Action} << 8) |
           (std::uint32_t{event.DelayMs} << 16);
}

constexpr MacroEvent macroEventFromWord(std::uint32_t word)
{
    return MacroEvent{static_cast<std::uint8_t>(word & 0xFF), static_cast<std::uint8_t>((word >> 8) & 0xFF),
                      static_cast<std::uint16_t>(word >> 16)};
}

}  // namespace settings
