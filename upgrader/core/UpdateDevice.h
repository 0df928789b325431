#pragma once
// What the transfer needs of the world: the mouse's feature reports and waits
// that can be cut short when the upgrader closes.

#include <chrono>
#include <cstdint>
#include <span>

namespace upgrader {

class UpdateDevice {
public:
    virtual ~UpdateDevice() = default;
    // Byte 0 is the report ID. False when the report did not reach the mouse.
    virtual bool setFeature(std::span<const std::uint8_t> report) = 0;
    // Byte 0 of `buffer` names the report; false when nothing was read.
    virtual bool getFeature(std::span<std::uint8_t> buffer) = 0;
};

class Waiter {
public:
    virtual ~Waiter() = default;
    // Waits `duration`; false when the wait ended early because the transfer
    // must stop.
    virtual bool wait(std::chrono::milliseconds duration) = 0;
};

}  // namespace upgrader
