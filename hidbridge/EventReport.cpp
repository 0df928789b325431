#include "hidbridge/EventReport.h"

#include <algorithm>
#include <array>

namespace hidbridge {
namespace {

constexpr std::array<std::uint8_t, 28> kForwardedCodes = {
    0x10, 0x1A, 0x1B, 0x20, 0x30, 0x60, 0x80, 0x90, 0xA0, 0xB0, 0xC0, 0xD0, 0xE0, 0xE1,
    0xE2, 0xE3, 0xE4, 0xE5, 0xE6, 0xE7, 0xEA, 0xED, 0xEE, 0xEF, 0xF0, 0xFD, 0xFE, 0xFF,
};

}  // namespace

bool isForwardedEventCode(std::uint8_t code)
{
    return std::find(kForwardedCodes.begin(), kForwardedCodes.end(), code) != kForwardedCodes.end();
}

std::optional<EventMessage> decodeEventReport(const std::uint8_t* report, std::size_t length)
{
    if (report == nullptr || length < kEventReportMinLength) return std::nullopt;
    if (report[0] != kEventReportId || report[1] != 0) return std::nullopt;
    if (!isForwardedEventCode(report[2])) return std::nullopt;
    return EventMessage{(std::uint32_t(report[2]) << 8) | report[1],
                        std::uint32_t(report[3]) | (std::uint32_t(report[4]) << 8)};
}

}  // namespace hidbridge
