#pragma once
// Report 14: tells the mouse whether the host software runs (1 after each
// whole-device read, 0 when the monitor closes).

#include <array>
#include <cstddef>
#include <cstdint>

#include "monitor/protocol/ProtocolConstants.h"

namespace monitor::protocol {

#pragma pack(push, 1)
struct HostPresenceWire {
    std::uint8_t ReportId;
    std::uint8_t Length;
    std::uint8_t Present;
};
#pragma pack(pop)

static_assert(sizeof(HostPresenceWire) == length::kHostPresence);
static_assert(offsetof(HostPresenceWire, Present) == 2);

std::array<std::uint8_t, length::kHostPresence> encodeHostPresence(bool present);

}  // namespace monitor::protocol
