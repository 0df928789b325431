#include "monitor/protocol/ReadyHandshake.h"

#include <array>

#include "monitor/protocol/ProtocolConstants.h"

namespace monitor::protocol {

std::chrono::milliseconds pauseBeforeStatusRead(int attempt, std::chrono::milliseconds initialDelay)
{
    switch (attempt) {
    case 0:
        return initialDelay;
    case 1:
        return milliseconds{1000};
    case 2:
        return milliseconds{1500};
    default:
        return milliseconds{2000};
    }
}

bool waitUntilReady(DeviceLink& link, std::chrono::milliseconds initialDelay)
{
    for (int attempt = 0; attempt < kMaxStatusReads; ++attempt) {
        if (!abortablePause(link.pauser, pauseBeforeStatusRead(attempt, initialDelay), link.abort))
            return false;
        std::array<std::uint8_t, length::kStatus> status = {report::kSelectOrStatus};
        // A failed read means the mouse cannot answer; asking again would not help.
        if (!link.device.getFeature(status))
            return false;
        if (status[1] == device_status::kReady)
            return true;
        if (status[1] != device_status::kBusy)
            return false;
    }
    return false;
}

}  // namespace monitor::protocol
