#include "mousesim/BusServer.h"

#include <algorithm>
#include <cerrno>
#include <unistd.h>

#include "hidbridge/SimulatorBus.h"
#include "mousesim/BusPaths.h"
#include "mousesim/DeviceDescriptor.h"

namespace mousesim {
namespace {

using namespace hidbridge::simbus;

constexpr std::size_t kGetFeatureRequestLength = 4;

void put16(std::vector<std::uint8_t>& out, std::uint16_t value)
{
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

}  // namespace

BusServer::BusServer(std::string folder, BusIdentity identity, FeatureCollection& features)
    : folder_(std::move(folder)), identity_(identity), features_(features)
{
}

BusServer::~BusServer() { unplug(); }

std::string BusServer::devicePath(std::string_view name) const
{
    return folder_ + std::string(name) + std::string(kDeviceSuffix);
}

bool BusServer::plugIn()
{
    if (pluggedIn()) return true;
    const struct {
        Role role;
        std::string_view name;
        std::vector<std::uint8_t> descriptor;
    } wanted[] = {{Role::Event, kEventDeviceName, eventCollectionDescriptor()},
                  {Role::Feature, kFeatureDeviceName, featureCollectionDescriptor()}};
    for (const auto& device : wanted) {
        const std::string path = devicePath(device.name);
        // The temporary name does not end in the device suffix, so no host takes it for a device.
        const std::string temporary = folder_ + "." + std::string(device.name) + "." + std::to_string(getpid());
        FileDescriptor listener = listenAt(path, temporary);
        if (!listener.valid()) {
            unplug();
            return false;
        }
        devices_.push_back({device.role, path, device.descriptor, std::move(listener)});
    }
    ++generation_;
    return true;
}

void BusServer::unplug()
{
    if (devices_.empty()) return;
    // Gone from the folder first, so nobody connects to a device that is leaving.
    for (const Device& device : devices_) unlink(device.path.c_str());
    connections_.clear();
    devices_.clear();
    ++generation_;
}

std::size_t BusServer::sendInputReport(std::span<const std::uint8_t> report)
{
    std::vector<std::uint8_t> packet;
    packet.reserve(report.size() + 1);
    packet.push_back(kInputReport);
    packet.insert(packet.end(), report.begin(), report.end());
    std::size_t reached = 0;
    for (Connection& connection : connections_) {
        if (!connection.inputReader || connection.closing || devices_[connection.device].role != Role::Event)
            continue;
        if (sendPacketNow(connection.fd.get(), packet)) {
            ++reached;
        } else if (errno == EAGAIN || errno == EWOULDBLOCK || errno == ENOBUFS) {
            ++missedInputReports_;  // as a full report queue on a real device drops reports
        } else {
            connection.closing = true;
        }
    }
    return reached;
}

std::size_t BusServer::inputReaderCount() const
{
    return static_cast<std::size_t>(std::count_if(connections_.begin(), connections_.end(), [this](const Connection& c) {
        return c.inputReader && !c.closing && devices_[c.device].role == Role::Event;
    }));
}

void BusServer::appendPollEntries(std::vector<pollfd>& entries) const
{
    for (const Connection& connection : connections_) entries.push_back({connection.fd.get(), POLLIN, 0});
    for (const Device& device : devices_) entries.push_back({device.listener.get(), POLLIN, 0});
}

void BusServer::handlePollEntries(std::span<const pollfd> entries)
{
    const std::size_t connectionEntries = std::min(entries.size(), connections_.size());
    for (std::size_t i = 0; i < connectionEntries; ++i) {
        Connection& connection = connections_[i];
        if (entries[i].fd != connection.fd.get() || entries[i].revents == 0 || connection.closing) continue;
        handleConnection(connection);
    }
    // New connections only after the old ones are handled, so no entry of this
    // round can name a descriptor number that a new connection has taken over.
    closeMarkedConnections();
    for (std::size_t i = connectionEntries; i < entries.size(); ++i) {
        const std::size_t device = i - connectionEntries;
        if (device < devices_.size() && entries[i].fd == devices_[device].listener.get() && entries[i].revents != 0)
            acceptAll(device);
    }
}

void BusServer::acceptAll(std::size_t device)
{
    for (;;) {
        FileDescriptor fd = acceptWaiting(devices_[device].listener.get());
        if (!fd.valid()) return;
        connections_.push_back({device, std::move(fd)});
    }
}

void BusServer::closeMarkedConnections()
{
    std::erase_if(connections_, [](const Connection& c) { return c.closing; });
}

void BusServer::handleConnection(Connection& connection)
{
    // The host's requests are small except set-feature reports; the bus bounds them all.
    switch (receivePacketNow(connection.fd.get(), packet_, kMaxPacket)) {
        case ReceiveResult::NothingYet: return;
        case ReceiveResult::Closed:
        case ReceiveResult::TooLong: connection.closing = true; return;
        case ReceiveResult::Packet: break;
    }
    // A reader's connection carries nothing from the host once it subscribed.
    if (connection.inputReader || !answer(connection, packet_)) connection.closing = true;
}

bool BusServer::answer(Connection& connection, std::span<const std::uint8_t> packet)
{
    const Device& device = devices_[connection.device];
    const bool isFeature = device.role == Role::Feature;
    std::vector<std::uint8_t> reply;
    switch (packet[0]) {
        case kInfo:
            if (packet.size() != 1) return false;
            reply = infoReply(device);
            break;
        case kSetFeature: {
            if (packet.size() < 2) return false;
            const bool ok = isFeature && features_.setFeature(packet.subspan(1));
            reply = {kSetFeature, std::uint8_t(ok ? 1 : 0)};
            break;
        }
        case kGetFeature: {
            if (packet.size() != kGetFeatureRequestLength) return false;
            const std::size_t length = packet[1] | (packet[2] << 8);
            if (length == 0 || length > kMaxPacket - 2) return false;
            std::optional<std::vector<std::uint8_t>> report;
            if (isFeature) report = features_.getFeature(packet[3], length);
            if (report && report->size() == length) {
                reply.reserve(length + 2);
                reply = {kGetFeature, 1};
                reply.insert(reply.end(), report->begin(), report->end());
            } else {
                reply = {kGetFeature, 0};
            }
            break;
        }
        case kWriteOutput:
            if (packet.size() < 2) return false;
            reply = {kWriteOutput, 0};  // the mouse has no output report
            break;
        case kSubscribeInput:
            if (packet.size() != 1) return false;
            connection.inputReader = true;
            return true;
        default: return false;
    }
    return sendPacketNow(connection.fd.get(), reply);
}

std::vector<std::uint8_t> BusServer::infoReply(const Device& device) const
{
    std::vector<std::uint8_t> reply{kInfo};
    put16(reply, identity_.vendorId);
    put16(reply, identity_.productId);
    put16(reply, identity_.version);
    reply.insert(reply.end(), device.descriptor.begin(), device.descriptor.end());
    return reply;
}

}  // namespace mousesim
