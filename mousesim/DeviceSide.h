#pragma once
// Where the simulated mouse meets the host: the virtual bus (BusServer) or the
// kernel's HID stack through /dev/uhid (UhidDevice). Either side takes the
// host's feature requests to the mouse, carries the mouse's input reports to
// the host, and comes and goes as the mouse is plugged in and out. Both are
// served on the simulator's one poll loop.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <poll.h>
#include <span>
#include <vector>

namespace mousesim {

// What the host's feature requests reach: the mouse's feature collection.
class FeatureCollection {
public:
    virtual ~FeatureCollection() = default;
    virtual bool setFeature(std::span<const std::uint8_t> report) = 0;
    // Exactly `length` bytes, or nothing when the read fails.
    virtual std::optional<std::vector<std::uint8_t>> getFeature(std::uint8_t reportId, std::size_t length) = 0;
};

struct BusIdentity {
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::uint16_t version = 0;
};

class DeviceSide {
public:
    virtual ~DeviceSide() = default;

    // Brings the mouse to the host; false, leaving nothing, when that fails.
    virtual bool plugIn() = 0;
    virtual void unplug() = 0;
    virtual bool pluggedIn() const = 0;
    // Changes on every plug and unplug: the poll entries handed out before are stale.
    virtual std::uint64_t generation() const = 0;

    // Sends one input report to the host's readers; how many got it.
    virtual std::size_t sendInputReport(std::span<const std::uint8_t> report) = 0;
    virtual std::size_t inputReaderCount() const = 0;
    virtual std::uint64_t missedInputReports() const = 0;

    virtual void appendPollEntries(std::vector<pollfd>& entries) const = 0;
    // `entries` are those appendPollEntries gave, with their results, in the same
    // order and of the same generation.
    virtual void handlePollEntries(std::span<const pollfd> entries) = 0;
};

}  // namespace mousesim
