#pragma once
// HID keyboard usages (page 7) as Windows virtual keys, the numbering the
// injector takes. Character keys (usages 4-69) go through their scan code, so
// they follow the user's keyboard layout; left and right modifiers fold into
// the plain Shift, Ctrl and Alt.

#include <cstdint>

#include "platform/input/InputInjector.h"

namespace monitor::host {

// The table's virtual key of `usage`, unfolded; 0 for a usage without a key.
std::uint8_t tableVirtualKeyOfUsage(std::uint8_t usage);

constexpr std::uint8_t foldModifier(std::uint8_t virtualKey)
{
    switch (virtualKey) {
    case 160: case 161: return 16;
    case 162: case 163: return 17;
    case 164: case 165: return 18;
    default: return virtualKey;
    }
}

// The same folding on usages: right Ctrl, Shift and Alt become the left ones.
constexpr std::uint8_t foldModifierUsage(std::uint8_t usage)
{
    switch (usage) {
    case 228: return 224;
    case 229: return 225;
    case 230: return 226;
    default: return usage;
    }
}

class KeyTranslator {
public:
    explicit KeyTranslator(platform::InputInjector& injector) : injector_(injector) {}

    // Through the layout for character keys; not folded.
    std::uint8_t layoutVirtualKey(std::uint8_t usage) const;
    std::uint8_t virtualKey(std::uint8_t usage) const { return foldModifier(layoutVirtualKey(usage)); }

    // One key event for `usage` (folded), by its position where the injector
    // places keys so; false when it has no key.
    bool sendUsage(std::uint8_t usage, platform::KeyAction action) const;
    // One key event for a virtual key, with the layout's scan code.
    bool sendVirtualKey(std::uint8_t virtualKey, platform::KeyAction action) const;

private:
    platform::InputInjector& injector_;
};

}  // namespace monitor::host
