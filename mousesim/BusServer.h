#pragma once
// The simulated mouse on the virtual bus (hidbridge/SimulatorBus.h). Plugged in,
// it is two devices, one per top-level collection, as the system lists a real
// mouse's collections: "zuro-mouse-event.hid" (the event collection, input
// report 3) and "zuro-mouse-feature.hid" (the feature collection). Each answers
// the info request with the mouse's identity and its own report descriptor.
// Feature reports go to the feature device; input reports go to every
// connection of the event device that subscribed to input. Output reports and
// feature requests on the wrong collection are answered with failure.
//
// A packet that breaks the wire format closes its connection, nothing more.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <poll.h>
#include <span>
#include <string>
#include <vector>

#include "mousesim/DeviceSide.h"
#include "mousesim/SeqPacket.h"

namespace mousesim {

class BusServer final : public DeviceSide {
public:
    BusServer(std::string folder, BusIdentity identity, FeatureCollection& features);
    ~BusServer() override;
    BusServer(const BusServer&) = delete;
    BusServer& operator=(const BusServer&) = delete;

    // Puts both device sockets in place; false, leaving none, when one fails.
    bool plugIn() override;
    // Removes the device sockets and closes every connection.
    void unplug() override;
    bool pluggedIn() const override { return !devices_.empty(); }
    // Changes on every plug and unplug: the poll entries handed out before are stale.
    std::uint64_t generation() const override { return generation_; }

    // Sends one input report to every input reader of the event device; a reader
    // whose queue is full misses it. Returns how many readers got it.
    std::size_t sendInputReport(std::span<const std::uint8_t> report) override;
    std::size_t inputReaderCount() const override;
    std::size_t connectionCount() const { return connections_.size(); }
    std::uint64_t missedInputReports() const override { return missedInputReports_; }

    void appendPollEntries(std::vector<pollfd>& entries) const override;
    void handlePollEntries(std::span<const pollfd> entries) override;

    std::string devicePath(std::string_view name) const;

private:
    enum class Role { Event, Feature };
    struct Device {
        Role role;
        std::string path;
        std::vector<std::uint8_t> descriptor;
        FileDescriptor listener;
    };
    struct Connection {
        std::size_t device;
        FileDescriptor fd;
        bool inputReader = false;
        bool closing = false;
    };

    void handleConnection(Connection& connection);
    // False when the packet breaks the wire format.
    bool answer(Connection& connection, std::span<const std::uint8_t> packet);
    std::vector<std::uint8_t> infoReply(const Device& device) const;
    void acceptAll(std::size_t device);
    void closeMarkedConnections();

    std::string folder_;
    BusIdentity identity_;
    FeatureCollection& features_;
    std::vector<Device> devices_;
    std::vector<Connection> connections_;
    std::vector<std::uint8_t> packet_;
    std::uint64_t generation_ = 0;
    std::uint64_t missedInputReports_ = 0;
};

}  // namespace mousesim
