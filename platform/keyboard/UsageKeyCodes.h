#pragma once
// The Linux input key code (evdev) of the key a USB HID keyboard usage (page 7)
// stands for: the fixed table the kernel's HID input layer applies to every
// keyboard, so a key goes by its position, whatever the keyboard layout.

#include <cstdint>

namespace platform {

// 0 for a usage without a key. Covers every usage a macro or shortcut can
// name: 4-103, 130 and the modifiers 224-231.
int evdevKeyCodeOfUsage(std::uint8_t usage);

}  // namespace platform
