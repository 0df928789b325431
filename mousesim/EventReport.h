#pragma once
// The event report the mouse sends on its event collection: 3, 0, event code,
// value low byte, value high byte.

#include <array>
#include <cstdint>

#include "mousesim/Protocol.h"

namespace mousesim {

using EventReport = std::array<std::uint8_t, length::kEvent>;

inline EventReport makeEventReport(std::uint8_t code, std::uint16_t value) {
    return EventReport{report::kEvent, 0, code, static_cast<std::uint8_t>(value & 0xFF),
                       static_cast<std::uint8_t>(value >> 8)};
}

inline EventReport makeEventReport(std::uint8_t code, std::uint8_t low, std::uint8_t high) {
    return EventReport{report::kEvent, 0, code, low, high};
}

}  // namespace mousesim
