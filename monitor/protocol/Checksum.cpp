#include "monitor/protocol/Checksum.h"

namespace monitor::protocol {

std::uint16_t byteSum16(std::span<const std::uint8_t> bytes)
{
    std::uint32_t sum = 0;
    for (std::uint8_t byte : bytes)
        sum += byte;
    return static_cast<std::uint16_t>(sum & 0xFFFF);
}

void storeChecksum(std::span<std::uint8_t> report)
{
    if (report.size() < kChecksumSize)
        return;
    const std::size_t at = report.size() - kChecksumSize;
    const std::uint16_t sum = byteSum16(report.first(at));
    report[at] = static_cast<std::uint8_t>(sum & 0xFF);
    report[at + 1] = static_cast<std::uint8_t>(sum >> 8);
}

bool checksumMatches(std::span<const std::uint8_t> report)
{
    if (report.size() < kChecksumSize)
        return false;
    const std::size_t at = report.size() - kChecksumSize;
    const std::uint16_t sum = byteSum16(report.first(at));
    return report[at] == (sum & 0xFF) && report[at + 1] == (sum >> 8);
}

}  // namespace monitor::protocol
