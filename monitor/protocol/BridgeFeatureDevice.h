#pragma once
// The feature device over the bound exports of the bridge library.

#include "hidbridge/hidbridge.h"
#include "monitor/protocol/FeatureDevice.h"

namespace monitor::protocol {

class BridgeFeatureDevice final : public FeatureDevice {
public:
    // Either export may be null while the library is not bound; every report
    // then fails.
    BridgeFeatureDevice(SetFeature_t setFeature, GetFeature_t getFeature);

    bool setFeature(std::span<const std::uint8_t> report) override;
    bool getFeature(std::span<std::uint8_t> buffer) override;

private:
    SetFeature_t setFeature_;
    GetFeature_t getFeature_;
};

}  // namespace monitor::protocol
