#include "monitor/protocol/ReportExchange.h"

#include <algorithm>

#include "monitor/protocol/ReadyHandshake.h"
#include "monitor/protocol/SelectReport.h"

namespace monitor::protocol {
namespace {

bool readUnlocked(DeviceLink& link, std::uint8_t reportId, std::span<std::uint8_t> buffer)
{
    if (buffer.empty())
        return false;
    std::fill(buffer.begin(), buffer.end(), std::uint8_t{0});
    buffer[0] = reportId;
    return link.device.getFeature(buffer) && buffer[0] == reportId;
}

}  // namespace

bool writeReport(DeviceLink& link, std::span<const std::uint8_t> report, std::chrono::milliseconds handshakeDelay)
{
    const auto held = link.device.exclusive();
    if (!link.device.setFeature(report))
        return false;
    return waitUntilReady(link, handshakeDelay);
}

bool readReport(DeviceLink& link, std::uint8_t reportId, std::span<std::uint8_t> buffer)
{
    const auto held = link.device.exclusive();
    return readUnlocked(link, reportId, buffer);
}

bool selectAndRead(DeviceLink& link, std::uint8_t profile, std::uint8_t item, std::uint8_t reportId,
                   std::span<std::uint8_t> buffer)
{
    const auto held = link.device.exclusive();
    if (!writeReport(link, encodeSelectRequest(profile, item), handshake_delay::kSelect))
        return false;
    return readUnlocked(link, reportId, buffer);
}

}  // namespace monitor::protocol
