#include "platform/windows/RemoteDelivery.h"

#include <cerrno>
#include <mutex>
#include <unordered_map>
#include <vector>

#include <poll.h>

#include "platform/windows/LocalSocket.h"
#include "platform/windows/ThreadDispatcher.h"
#include "platform/windows/WindowFiles.h"

namespace platform::msgwin {
namespace {

// Post connections kept open at most; beyond that one is closed to make room. A
// connection to a window that went away is noticed on its next use.
constexpr std::size_t kMaxPostConnections = 64;

class PostConnections {
public:
    static PostConnections& instance()
    {
        static PostConnections connections;
        return connections;
    }

    bool post(const std::string& folder, const FrameHeader& header)
    {
        std::uint8_t packet[kFrameHeaderSize];
        encodeFrameHeader(header, packet);
        const std::string path = socketPath(folder, header.target);
        std::lock_guard lock(mutex_);
        // A kept connection may lead to a window that is gone: then try a new one once.
        for (int attempt = 0; attempt < 2; ++attempt) {
            const int fd = connection(path);
            if (fd < 0) {
                if (errno == ECONNREFUSED || errno == ENOENT) removeIfDead(folder, header.target);
                return false;
            }
            switch (sendPacket(fd, packet, sizeof packet)) {
            case IoStatus::Done:
                return true;
            case IoStatus::WouldBlock:
                return false;  // the window's queue is full
            case IoStatus::Closed:
                drop(path);
                break;
            }
        }
        return false;
    }

private:
    int connection(const std::string& path)
    {
        const auto found = fds_.find(path);
        if (found != fds_.end()) return found->second;
        const int fd = connectTo(path, false);
        if (fd < 0) return -1;
        if (fds_.size() >= kMaxPostConnections) drop(std::string(fds_.begin()->first));
        fds_[path] = fd;
        return fd;
    }

    void drop(const std::string& path)
    {
        const auto found = fds_.find(path);
        if (found == fds_.end()) return;
        closeDescriptor(found->second);
        fds_.erase(found);
    }

    std::mutex mutex_;
    std::unordered_map<std::string, int> fds_;  // by socket path
};

// Blocks until `fd` is ready for `events`, handling meanwhile what arrives for the
// calling thread's windows. False when poll() itself fails.
bool waitServing(int fd, short events)
{
    std::vector<pollfd> fds;
    for (;;) {
        fds.clear();
        fds.push_back({fd, events, 0});
        ThreadDispatcher* dispatcher = ThreadDispatcher::current();
        if (dispatcher) dispatcher->appendServiceFds(fds);
        const int ready = poll(fds.data(), fds.size(), -1);
        if (ready < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (fds[0].revents != 0) return true;
        if (dispatcher) dispatcher->serviceFds(fds, 1);
    }
}

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() { closeDescriptor(fd_); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

}  // namespace

bool postThroughSocket(const std::string& folder, const FrameHeader& header)
{
    return PostConnections::instance().post(folder, header);
}

LResult sendThroughSocket(const std::string& folder, const FrameHeader& header,
                          const std::uint8_t* payload)
{
    const Descriptor connection(connectTo(socketPath(folder, header.target), true));
    if (connection.get() < 0) {
        if (errno == ECONNREFUSED || errno == ENOENT) removeIfDead(folder, header.target);
        return 0;
    }
    for (const auto& packet : framePackets(header, payload)) {
        for (;;) {
            const IoStatus status = sendPacket(connection.get(), packet.data(), packet.size());
            if (status == IoStatus::Done) break;
            if (status == IoStatus::Closed || !waitServing(connection.get(), POLLOUT)) return 0;
        }
    }
    std::uint8_t reply[kFrameHeaderSize];
    for (;;) {
        const ReceivedPacket packet = receivePacket(connection.get(), reply, sizeof reply);
        if (packet.status == IoStatus::WouldBlock) {
            if (!waitServing(connection.get(), POLLIN)) return 0;
            continue;
        }
        if (packet.status == IoStatus::Closed || packet.truncated) return 0;
        const auto answer = decodeFrameHeader(reply, packet.size);
        if (!answer || answer->kind != FrameKind::Reply || answer->payloadSize != 0 ||
            answer->target != header.target)
            return 0;
        return answer->lParam;
    }
}

}  // namespace platform::msgwin
