#pragma once
// What the bridge needs of a family of HID devices: list them, open one, tell
// when one comes or goes. Implemented for hidraw (the real mouse) and for the
// simulator's virtual bus; the bridge above is the same for both.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "hidbridge/ReportDescriptor.h"

namespace hidbridge {

struct DeviceInfo {
    std::string path;  // names the device within its backend
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::uint16_t version = 0;
    std::vector<CollectionCaps> collections;
};

// One open device node.
class DeviceChannel {
public:
    virtual ~DeviceChannel() = default;
    virtual const DeviceInfo& info() const = 0;

    // Byte 0 of `report` is the report ID. True on success.
    virtual bool setFeature(const std::uint8_t* report, std::size_t length) = 0;
    // Byte 0 holds the report ID on entry; the rest is filled only on success.
    virtual bool getFeature(std::uint8_t* report, std::size_t length) = 0;
    virtual bool writeOutput(const std::uint8_t* report, std::size_t length) = 0;

    enum class ReadStatus { Report, Woken, Gone };
    // Blocks until an input report arrives (Report, `length` set), `wakeFd`
    // becomes readable (Woken) or the device is gone (Gone).
    virtual ReadStatus readInput(std::uint8_t* buffer, std::size_t capacity, std::size_t& length,
                                 int wakeFd) = 0;
    // Waits up to `timeoutMs` (0: not at all) until an input report is waiting
    // or `wakeFd` becomes readable; true when a report is waiting, so readInput
    // would not block.
    virtual bool waitForInput(int wakeFd, int timeoutMs) = 0;
};

struct HotplugEvent {
    enum class Kind { Added, Removed };
    Kind kind;
    std::string path;
};

class DeviceBackend {
public:
    virtual ~DeviceBackend() = default;
    virtual std::vector<std::string> enumerate() = 0;
    // nullptr when the path cannot be opened or identified.
    virtual std::unique_ptr<DeviceChannel> open(const std::string& path) = 0;
    // Readable when hotplug events wait; -1 when this backend cannot watch.
    virtual int hotplugDescriptor() = 0;
    virtual std::vector<HotplugEvent> readHotplugEvents() = 0;
};

// The backends chosen by ZURO_HID_BACKEND: "hidraw", "simulator", or both when
// unset. A backend that cannot start is left out.
std::vector<std::unique_ptr<DeviceBackend>> createBackends();

std::unique_ptr<DeviceBackend> createHidrawBackend();
std::unique_ptr<DeviceBackend> createSimulatorBackend();

}  // namespace hidbridge
