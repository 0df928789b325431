#pragma once
// A key shortcut in a button slot (function code 5): the key's HID usage in byte
// 166, the ShortcutModifiers in byte 167 (the first macro event's two bytes) and
// the shortcut-present mark in the event count.

#include <cstdint>

#include "settings/ButtonAssignment.h"
#include "settings/FixedText.h"

namespace settings {

// ShortcutModifiers bits. "None" excludes the others: with it only bit 0 is stored.
inline constexpr std::uint8_t kShortcutNone = 1u << 0;
inline constexpr std::uint8_t kShortcutShift = 1u << 1;
inline constexpr std::uint8_t kShortcutCtrl = 1u << 2;
inline constexpr std::uint8_t kShortcutAlt = 1u << 3;
inline constexpr std::uint8_t kShortcutWin = 1u << 4;

inline std::uint8_t shortcutKey(const ButtonAssignment& slot)
{
    return slot.MacroEvents[0].Key;
}

inline std::uint8_t shortcutModifiers(const ButtonAssignment& slot)
{
    return slot.MacroEvents[0].Action;
}

inline bool hasShortcut(const ButtonAssignment& slot)
{
    return slot.MacroEventCount != 0;
}

// What the shortcut dialog's OK stores: key, modifiers (bit 0 alone when "None"
// is ticked), the mark, and empty macro set and macro names.
inline void storeShortcut(ButtonAssignment& slot, std::uint8_t key, std::uint8_t modifiers)
{
    slot.MacroEvents[0].Key = key;
    slot.MacroEvents[0].Action = (modifiers & kShortcutNone) != 0 ? kShortcutNone : modifiers;
    slot.MacroEventCount = 1;
    setFieldText(slot.MacroSetName, "");
    setFieldText(slot.MacroName, "");
}

}  // namespace settings
