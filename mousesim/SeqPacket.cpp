#include "mousesim/SeqPacket.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace mousesim {
namespace {

bool makeAddress(const std::string& path, sockaddr_un& address)
{
    address = {};
    address.sun_family = AF_UNIX;
    if (path.empty() || path.size() >= sizeof address.sun_path) return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

}  // namespace

void FileDescriptor::reset(int fd)
{
    if (fd_ >= 0) close(fd_);
    fd_ = fd;
}

FileDescriptor listenAt(const std::string& path, const std::string& temporaryPath)
{
    const std::string& bindPath = temporaryPath.empty() ? path : temporaryPath;
    sockaddr_un address;
    if (!makeAddress(bindPath, address) || path.size() >= sizeof address.sun_path) return {};
    FileDescriptor fd(socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (!fd.valid()) return {};
    if (!temporaryPath.empty()) unlink(bindPath.c_str());  // left by a simulator that did not stop cleanly
    if (bind(fd.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) return {};
    if (listen(fd.get(), SOMAXCONN) != 0 ||
        (!temporaryPath.empty() && rename(temporaryPath.c_str(), path.c_str()) != 0)) {
        unlink(bindPath.c_str());
        return {};
    }
    return fd;
}

FileDescriptor connectTo(const std::string& path)
{
    sockaddr_un address;
    if (!makeAddress(path, address)) return {};
    FileDescriptor fd(socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0));
    if (!fd.valid()) return {};
    for (;;) {
        if (connect(fd.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) return fd;
        if (errno != EINTR) return {};
    }
}

FileDescriptor acceptWaiting(int listener)
{
    for (;;) {
        const int fd = accept4(listener, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd >= 0) return FileDescriptor(fd);
        if (errno != EINTR) return {};
    }
}

bool sendPacketNow(int fd, std::span<const std::uint8_t> packet)
{
    for (;;) {
        const ssize_t n = send(fd, packet.data(), packet.size(), MSG_DONTWAIT | MSG_NOSIGNAL);
        if (n == static_cast<ssize_t>(packet.size())) return true;
        if (n < 0 && errno == EINTR) continue;
        return false;
    }
}

bool sendPacketNow(int fd, std::string_view packet)
{
    return sendPacketNow(fd, std::span(reinterpret_cast<const std::uint8_t*>(packet.data()), packet.size()));
}

ReceiveResult receivePacketNow(int fd, std::vector<std::uint8_t>& packet, std::size_t limit)
{
    packet.resize(limit);
    for (;;) {
        // MSG_TRUNC makes recv tell the packet's real length, so an overlong one is seen.
        const ssize_t n = recv(fd, packet.data(), packet.size(), MSG_DONTWAIT | MSG_TRUNC);
        if (n > 0) {
            if (static_cast<std::size_t>(n) > limit) {
                packet.clear();
                return ReceiveResult::TooLong;
            }
            packet.resize(static_cast<std::size_t>(n));
            return ReceiveResult::Packet;
        }
        if (n < 0 && errno == EINTR) continue;
        packet.clear();
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return ReceiveResult::NothingYet;
        return ReceiveResult::Closed;
    }
}

ReceiveResult receivePacketWithin(int fd, std::vector<std::uint8_t>& packet, std::size_t limit, int timeoutMs)
{
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        const ReceiveResult result = receivePacketNow(fd, packet, limit);
        if (result != ReceiveResult::NothingYet) return result;
        int wait = -1;
        if (timeoutMs >= 0) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            if (left.count() <= 0) return ReceiveResult::Closed;
            wait = static_cast<int>(left.count());
        }
        pollfd ready{fd, POLLIN, 0};
        if (poll(&ready, 1, wait) < 0 && errno != EINTR) return ReceiveResult::Closed;
    }
}

}  // namespace mousesim
