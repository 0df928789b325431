#pragma once
// What the character keys of the keyboard type in the user's keyboard layout, by
// USB HID keyboard usage (usage page 7). Captions of key shortcuts show these, so
// a shortcut reads as the keys printed on the user's keyboard.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/keyboard/UsageKeyCodes.h"

namespace platform {

class KeyboardLayout {
public:
    virtual ~KeyboardLayout() = default;

    // The text (UTF-8) that the key of `usage` types without modifiers, letters as
    // capitals; "" when the usage is outside 4-57 or the key types nothing.
    virtual std::string keyText(std::uint8_t usage) const = 0;
};

// The US layout's text of the key of `usage`: what keyText gives without a display.
std::string usKeyText(std::uint8_t usage);

// The layout of the X display `displayName` (nullptr: $DISPLAY), following the
// keyboard group in use at each call; the US layout when no display can be opened.
std::unique_ptr<KeyboardLayout> openKeyboardLayout(const char* displayName = nullptr);

}  // namespace platform
