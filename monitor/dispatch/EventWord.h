#pragma once
// The mouse's event as the monitor sees it: message 1325 folded into one word,
// the event type (code x 256) in the high 16 bits and the value in the low 16.

#include <cstdint>

namespace monitor::dispatch {

struct MouseEvent {
    std::uint16_t type = 0;
    std::uint16_t value = 0;

    // Byte L (report byte 3) and byte H (report byte 4).
    std::uint8_t low() const { return static_cast<std::uint8_t>(value & 0xFF); }
    std::uint8_t high() const { return static_cast<std::uint8_t>(value >> 8); }
};

constexpr MouseEvent decodeEventWord(std::uint32_t word)
{
    return MouseEvent{static_cast<std::uint16_t>(word >> 16), static_cast<std::uint16_t>(word & 0xFFFF)};
}

// Events that name a button carry the device button + 1 (1-24); the handlers
// take the settings slot + 1. Device buttons the mouse does not have (18-23)
// fall back to slot 0, as button 0 does; 0 for an L outside 1-24.
int slotNumberOfEventButton(std::uint8_t low);

}  // namespace monitor::dispatch
