#pragma once
// The update device over hidbridge.so's bound feature-report exports.

#include "hidbridge/hidbridge.h"
#include "upgrader/core/UpdateDevice.h"

namespace upgrader {

class BridgeUpdateDevice final : public UpdateDevice {
public:
    // Either export may be null (no library): every report then fails.
    BridgeUpdateDevice(SetFeature_t setFeature, GetFeature_t getFeature)
        : setFeature_(setFeature), getFeature_(getFeature) {}

    bool setFeature(std::span<const std::uint8_t> report) override;
    bool getFeature(std::span<std::uint8_t> buffer) override;

private:
    SetFeature_t setFeature_;
    GetFeature_t getFeature_;
};

}  // namespace upgrader
