#include "upgrader/core/BridgeUpdateDevice.h"

#include <climits>
#include <vector>

namespace upgrader {

bool BridgeUpdateDevice::setFeature(std::span<const std::uint8_t> report)
{
    if (!setFeature_ || report.empty() || report.size() > INT_MAX)
        return false;
    // The export takes a writable buffer.
    std::vector<std::uint8_t> copy(report.begin(), report.end());
    return setFeature_(copy.data(), static_cast<int>(copy.size())) != 0;
}

bool BridgeUpdateDevice::getFeature(std::span<std::uint8_t> buffer)
{
    if (!getFeature_ || buffer.empty() || buffer.size() > INT_MAX)
        return false;
    return getFeature_(buffer.data(), static_cast<int>(buffer.size())) != 0;
}

}  // namespace upgrader
