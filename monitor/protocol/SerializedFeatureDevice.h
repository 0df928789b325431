#pragma once
// The feature device shared by the monitor's window thread and its device worker.
// The bridge serializes nothing, so each exchange (a write and its handshake, or
// a select, its handshake and the read) holds the device for its whole length;
// a single report outside an exchange is atomic on its own.

#include <mutex>

#include "monitor/protocol/FeatureDevice.h"

namespace monitor::protocol {

class SerializedFeatureDevice final : public FeatureDevice {
public:
    explicit SerializedFeatureDevice(FeatureDevice& device) : device_(device) {}

    // Held for one exchange; the same thread may take it again inside.
    [[nodiscard]] std::unique_lock<std::recursive_mutex> exclusive()
    {
        return std::unique_lock<std::recursive_mutex>(mutex_);
    }

    bool setFeature(std::span<const std::uint8_t> report) override
    {
        const auto held = exclusive();
        return device_.setFeature(report);
    }

    bool getFeature(std::span<std::uint8_t> buffer) override
    {
        const auto held = exclusive();
        return device_.getFeature(buffer);
    }

private:
    FeatureDevice& device_;
    std::recursive_mutex mutex_;
};

}  // namespace monitor::protocol
