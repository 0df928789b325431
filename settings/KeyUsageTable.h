#pragma once
// The key code table of the macro recorder and the shortcut dialog: Windows
// virtual keys against the HID keyboard usages that macro events and shortcuts
// store. The character and function keys (usages 4-69) also carry their set-1
// scan code, so a recorded key follows the physical key position whatever the
// keyboard layout. Keys outside the table are not recordable.

#include <cstdint>
#include <span>

namespace settings {

struct KeyUsageRow {
    std::uint8_t virtualKey;
    std::uint8_t usage;
    std::uint8_t scanCode;  // set-1 scan code for usages 4-69, else 0
};

// The 109 rows: keyboard keys, then the mouse buttons 240-244 (unchanged).
std::span<const KeyUsageRow> keyUsageTable();

// The usage a key event of `virtualKey` records, or 0 when the key is not
// recordable. For a character or function key, the row whose scan code is
// `scanCode` (the physical key pressed) wins over the virtual key's own row;
// pass 0 when the scan code is unknown.
std::uint8_t recordedUsage(std::uint8_t virtualKey, std::uint16_t scanCode);

// The table's virtual key of `usage`; 0 for a usage without a row.
std::uint8_t virtualKeyOfUsage(std::uint8_t usage);

}  // namespace settings
