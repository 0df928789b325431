#include "monitor/protocol/SelectReport.h"

#include "monitor/protocol/WireBytes.h"

namespace monitor::protocol {

std::array<std::uint8_t, length::kSelect> encodeSelectRequest(std::uint8_t profile, std::uint8_t item)
{
    SelectRequestWire wire{};
    wire.ReportId = report::kSelectOrStatus;
    wire.Profile = profile;
    wire.Item = item;
    return toBytes(wire);
}

}  // namespace monitor::protocol
