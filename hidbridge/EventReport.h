#pragma once
// Turns an input report of the event collection into the event message the
// caller's window receives: wParam = event code x 256, lParam = event value.

#include <cstddef>
#include <cstdint>
#include <optional>

namespace hidbridge {

inline constexpr std::uint8_t kEventReportId = 3;
inline constexpr std::size_t kEventReportMinLength = 5;

struct EventMessage {
    std::uint32_t wParam;  // (code << 8) | byte 1, which is always 0
    std::uint32_t lParam;  // value, low byte first on the wire
};

// True for the event codes the mouse's events are forwarded with.
bool isForwardedEventCode(std::uint8_t code);

// The message for a report, or nothing when the report is not a forwarded event:
// wrong report ID, too short, byte 1 not 0, or a code outside the list.
std::optional<EventMessage> decodeEventReport(const std::uint8_t* report, std::size_t length);

}  // namespace hidbridge
