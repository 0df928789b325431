#include "monitor/protocol/HostPresenceReport.h"

#include "monitor/protocol/WireBytes.h"

namespace monitor::protocol {

std::array<std::uint8_t, length::kHostPresence> encodeHostPresence(bool present)
{
    HostPresenceWire wire{};
    wire.ReportId = report::kHostPresence;
    wire.Length = length::kHostPresence;
    wire.Present = present ? 1 : 0;
    return toBytes(wire);
}

}  // namespace monitor::protocol
