#pragma once
// The 16-bit byte sum that closes the button-table, macro and colour-database
// reports (stored low byte first in the last two bytes) and checks firmware
// blocks.

#include <cstdint>
#include <span>

namespace mousesim {

std::uint16_t byteSum16(std::span<const std::uint8_t> bytes);
// Sum of everything but the last two bytes, written into those two bytes.
void storeTrailingChecksum(std::span<std::uint8_t> report);
bool trailingChecksumMatches(std::span<const std::uint8_t> report);

}  // namespace mousesim
