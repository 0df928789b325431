#include "platform/windows/WindowClient.h"

#include <cerrno>
#include <cstring>
#include <memory>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <unordered_map>

#include "platform/windows/ThreadInbox.h"
#include "platform/windows/WindowFiles.h"

namespace platform::windows {
namespace {

// A write that makes no progress for this long means the window's process no
// longer reads (stopped or stuck); the message is then not delivered.
constexpr int kWriteTimeoutSeconds = 5;
constexpr std::size_t kMaxCachedConnections = 64;

struct ClientConnection {
    explicit ClientConnection(int fd) : fd(fd) {}
    ~ClientConnection() { close(fd); }
    ClientConnection(const ClientConnection&) = delete;
    ClientConnection& operator=(const ClientConnection&) = delete;

    const int fd;
    bool waitingForReply = false;
};
using ConnectionPtr = std::shared_ptr<ClientConnection>;

class ConnectionCache {
public:
    ConnectionPtr find(WindowHandle window) const
    {
        const auto it = connections_.find(window);
        return it == connections_.end() ? nullptr : it->second;
    }

    void keep(WindowHandle window, const ConnectionPtr& connection)
    {
        if (connections_.count(window)) return;
        if (connections_.size() >= kMaxCachedConnections) {
            for (auto it = connections_.begin(); it != connections_.end(); ++it) {
                if (!it->second->waitingForReply) {
                    connections_.erase(it);
                    break;
                }
            }
        }
        connections_[window] = connection;
    }

    void drop(WindowHandle window, const ConnectionPtr& connection)
    {
        const auto it = connections_.find(window);
        if (it != connections_.end() && it->second == connection) connections_.erase(it);
    }

private:
    std::unordered_map<WindowHandle, ConnectionPtr> connections_;
};

ConnectionCache& threadConnections()
{
    thread_local ConnectionCache cache;
    return cache;
}

ConnectionPtr connectToWindow(const std::string& folder, WindowHandle window)
{
    const std::string path = socketPath(folder, window);
    if (!fitsSocketPath(path)) return nullptr;
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return nullptr;
    auto connection = std::make_shared<ClientConnection>(fd);
    const timeval timeout{kWriteTimeoutSeconds, 0};
    setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout);

    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    while (connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        if (errno != EINTR) return nullptr;
    }
    return connection;
}

bool writeAll(int fd, const std::vector<std::uint8_t>& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = send(fd, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Writes the frame on the thread's connection to the window, replacing a stale
// connection once. `allowBusy`: a connection that waits for a reply may carry it
// (posts get no reply); otherwise a separate connection is used.
ConnectionPtr writeFrame(const std::string& folder, WindowHandle window,
                         const std::vector<std::uint8_t>& bytes, bool allowBusy)
{
    ConnectionCache& cache = threadConnections();
    ConnectionPtr cached = cache.find(window);
    if (cached && (allowBusy || !cached->waitingForReply)) {
        if (writeAll(cached->fd, bytes)) return cached;
        cache.drop(window, cached);  // the window's end closed it; try a new one
        cached.reset();
    }
    ConnectionPtr fresh = connectToWindow(folder, window);
    if (!fresh || !writeAll(fresh->fd, bytes)) return nullptr;
    if (!cache.find(window)) cache.keep(window, fresh);
    return fresh;
}

// Reads exactly one reply frame, running the calls to this thread's windows
// while it waits.
bool waitForReply(ClientConnection& connection, std::uint32_t serial, LResult& result)
{
    const auto inbox = ThreadInbox::current();
    FrameReader reader;
    std::uint8_t buffer[kFrameHeaderSize];
    for (;;) {
        pollfd fds[2] = {{connection.fd, POLLIN, 0}, {inbox->wakeFd(), POLLIN, 0}};
        if (poll(fds, 2, -1) < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (fds[1].revents & POLLIN) inbox->drain();
        if (fds[0].revents == 0) continue;

        // No more than the reply: nothing else is ever sent back.
        const ssize_t n = recv(connection.fd, buffer, kFrameHeaderSize - reader.buffered(), 0);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        reader.append(buffer, static_cast<std::size_t>(n));
        Frame reply;
        const auto status = reader.next(reply);
        if (status == FrameReader::Status::NeedMore) continue;
        if (status == FrameReader::Status::Malformed || reply.kind != FrameKind::Reply || reply.serial != serial)
            return false;
        result = reply.lParam;
        return true;
    }
}

std::uint32_t nextSerial()
{
    thread_local std::uint32_t serial = 0;
    return ++serial;
}

}  // namespace

bool fitsSocketPath(const std::string& path)
{
    return path.size() < sizeof(sockaddr_un::sun_path);
}

bool postToProcess(const std::string& folder, const Frame& frame)
{
    const auto bytes = encodeFrame(frame);
    return !bytes.empty() && writeFrame(folder, frame.target, bytes, true) != nullptr;
}

LResult sendToProcess(const std::string& folder, Frame frame)
{
    frame.serial = nextSerial();
    const auto bytes = encodeFrame(frame);
    if (bytes.empty()) return 0;
    const ConnectionPtr connection = writeFrame(folder, frame.target, bytes, false);
    if (!connection) return 0;

    connection->waitingForReply = true;
    LResult result = 0;
    const bool replied = waitForReply(*connection, frame.serial, result);
    connection->waitingForReply = false;
    if (!replied) {
        threadConnections().drop(frame.target, connection);
        return 0;
    }
    return result;
}

}  // namespace platform::windows
