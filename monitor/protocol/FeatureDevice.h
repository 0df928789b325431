#pragma once
// The mouse's feature collection as the protocol sees it: one report written or
// read at a time, byte 0 the report ID, as the bridge's SetFeature and GetFeature
// behave. On failure a read leaves the buffer untouched.

#include <cstdint>
#include <span>

namespace monitor::protocol {

class FeatureDevice {
public:
    virtual ~FeatureDevice() = default;
    virtual bool setFeature(std::span<const std::uint8_t> report) = 0;
    virtual bool getFeature(std::span<std::uint8_t> buffer) = 0;
};

}  // namespace monitor::protocol
