#include "monitor/protocol/FirmwareReport.h"

#include "monitor/protocol/WireBytes.h"

namespace monitor::protocol {

std::uint8_t decodeFirmwareVersion(std::span<const std::uint8_t, length::kFirmware> report)
{
    return fromBytes<FirmwareVersionWire>(report).Version;
}

std::array<std::uint8_t, length::kFirmware> encodeRestoreDefaults()
{
    RestoreDefaultsWire wire{};
    wire.ReportId = report::kFirmware;
    wire.Length = length::kFirmware;
    wire.Command = kRestoreDefaultsCommand;
    return toBytes(wire);
}

}  // namespace monitor::protocol
