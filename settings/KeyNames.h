#pragma once
// Names of the keys of key shortcuts, by USB HID keyboard usage. The character
// keys (usages 4-57) read as the characters of the user's keyboard layout, the
// others by fixed names.

#include <cstdint>
#include <string>

namespace platform {
class KeyboardLayout;
}

namespace settings {

// "" for a usage without a name (usage 50, which no shortcut can hold, included).
std::string shortcutKeyName(std::uint8_t usage, const platform::KeyboardLayout& layout);

// The name a macro's key sequence shows for a key code: the shortcut's names,
// and "Europe 1" for usage 50.
std::string macroKeyName(std::uint8_t usage, const platform::KeyboardLayout& layout);

}  // namespace settings
