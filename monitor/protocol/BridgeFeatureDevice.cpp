#include "monitor/protocol/BridgeFeatureDevice.h"

#include <climits>
#include <vector>

namespace monitor::protocol {

BridgeFeatureDevice::BridgeFeatureDevice(SetFeature_t setFeature, GetFeature_t getFeature)
    : setFeature_(setFeature), getFeature_(getFeature)
{
}

bool BridgeFeatureDevice::setFeature(std::span<const std::uint8_t> report)
{
    if (setFeature_ == nullptr || report.empty() || report.size() > INT_MAX)
        return false;
    // The export takes a mutable buffer; the caller's report stays untouched.
    std::vector<unsigned char> copy(report.begin(), report.end());
    return setFeature_(copy.data(), static_cast<int>(copy.size())) != 0;
}

bool BridgeFeatureDevice::getFeature(std::span<std::uint8_t> buffer)
{
    if (getFeature_ == nullptr || buffer.empty() || buffer.size() > INT_MAX)
        return false;
    return getFeature_(buffer.data(), static_cast<int>(buffer.size())) != 0;
}

}  // namespace monitor::protocol
