#include "mousesim/Checksum.h"

namespace mousesim {

std::uint16_t byteSum16(std::span<const std::uint8_t> bytes) {
    std::uint16_t sum = 0;
    for (std::uint8_t b : bytes) sum = static_cast<std::uint16_t>(sum + b);
    return sum;
}

void storeTrailingChecksum(std::span<std::uint8_t> report) {
    if (report.size() < 2) return;
    const std::uint16_t sum = byteSum16(report.first(report.size() - 2));
    report[report.size() - 2] = static_cast<std::uint8_t>(sum & 0xFF);
    report[report.size() - 1] = static_cast<std::uint8_t>(sum >> 8);
}

bool trailingChecksumMatches(std::span<const std::uint8_t> report) {
    if (report.size() < 2) return false;
    const std::uint16_t sum = byteSum16(report.first(report.size() - 2));
    const auto stored = static_cast<std::uint16_t>(report[report.size() - 2] | (report[report.size() - 1] << 8));
    return sum == stored;
}

}  // namespace mousesim
