#pragma once
// The checksum of reports 7, 8 and 26: the 16-bit sum of every byte before it,
// report ID included, stored low byte first in the report's last two bytes.

#include <cstdint>
#include <span>

namespace monitor::protocol {

inline constexpr std::size_t kChecksumSize = 2;

std::uint16_t byteSum16(std::span<const std::uint8_t> bytes);

// Fills the last two bytes of `report` with the checksum of the others.
void storeChecksum(std::span<std::uint8_t> report);

// Whether the last two bytes of `report` hold the checksum of the others.
bool checksumMatches(std::span<const std::uint8_t> report);

}  // namespace monitor::protocol
