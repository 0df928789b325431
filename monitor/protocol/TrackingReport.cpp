#include "monitor/protocol/TrackingReport.h"

#include "monitor/protocol/WireBytes.h"

namespace monitor::protocol {

std::uint8_t padtuneDecisionOf(int requestCode)
{
    switch (requestCode) {
    case padtune_request::kKeep:
        return padtune_decision::kKeep;
    case padtune_request::kDiscard:
        return padtune_decision::kDiscard;
    default:
        return padtune_decision::kNoChange;
    }
}

std::array<std::uint8_t, length::kTracking> encodeTracking(std::int32_t disControl, int requestCode)
{
    TrackingWire wire{};
    wire.ReportId = report::kTracking;
    wire.Length = length::kTracking;
    wire.DisControl = lowByte(disControl);
    wire.TrackControlFlag = padtune_decision::kNoChange;
    wire.Unused4 = padtune_decision::kNoChange;
    wire.PadtuneDecision = padtuneDecisionOf(requestCode);
    return toBytes(wire);
}

void decodeTracking(std::span<const std::uint8_t, length::kTracking> report, settings::SettingsBlock& block)
{
    const auto wire = fromBytes<TrackingWire>(report);
    block.DisControl = wire.DisControl;
    block.TrackControlFlag = wire.TrackControlFlag;
}

}  // namespace monitor::protocol
