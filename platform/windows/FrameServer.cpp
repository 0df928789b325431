#include "platform/windows/FrameServer.h"

#include <cerrno>
#include <memory>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

#include "platform/windows/LocalWindows.h"

namespace platform::windows {
namespace {

// Connections beyond this are refused, so a flood cannot exhaust descriptors.
constexpr std::size_t kMaxConnections = 512;
constexpr std::size_t kReadChunk = 64 * 1024;
// Chunks read from one connection per round, so that a busy sender cannot starve
// the other connections.
constexpr int kChunksPerRound = 16;
// Replies a peer does not read are not kept without limit.
constexpr std::size_t kMaxPendingOutput = 1024 * 1024;

}  // namespace

FrameServer& FrameServer::instance()
{
    static FrameServer server;
    return server;
}

FrameServer::FrameServer() : wakeFd_(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK))
{
    LocalWindows::instance();  // outlives the server thread, which uses it
}

FrameServer::~FrameServer()
{
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    if (thread_.joinable()) {
        wake();
        thread_.join();
    }
    for (const auto& connection : connections_) close(connection.fd);
    for (const auto& listener : listeners_) close(listener.fd);
    for (const auto& request : requests_)
        if (request.listenFd >= 0) close(request.listenFd);
    if (wakeFd_ >= 0) close(wakeFd_);
}

bool FrameServer::ensureRunning()
{
    if (wakeFd_ < 0 || stopping_) return false;
    if (!thread_.joinable()) thread_ = std::thread([this] { run(); });
    return true;
}

bool FrameServer::addListener(WindowHandle window, int listenFd)
{
    {
        std::lock_guard lock(mutex_);
        if (ensureRunning()) {
            requests_.push_back({Request::Kind::AddListener, window, listenFd, 0, {}});
            listenFd = -1;
        }
    }
    if (listenFd >= 0) {
        close(listenFd);
        return false;
    }
    wake();
    return true;
}

void FrameServer::removeWindow(WindowHandle window)
{
    {
        std::lock_guard lock(mutex_);
        if (!thread_.joinable()) return;
        requests_.push_back({Request::Kind::RemoveWindow, window, -1, 0, {}});
    }
    wake();
}

void FrameServer::queueReply(std::uint64_t connection, std::uint32_t serial, LResult result)
{
    Frame reply;
    reply.kind = FrameKind::Reply;
    reply.serial = serial;
    reply.lParam = result;
    {
        std::lock_guard lock(mutex_);
        requests_.push_back({Request::Kind::Reply, 0, -1, connection, encodeFrame(reply)});
    }
    wake();
}

void FrameServer::wake()
{
    const std::uint64_t one = 1;
    while (write(wakeFd_, &one, sizeof one) < 0 && errno == EINTR) {
    }
}

void FrameServer::run()
{
    std::vector<pollfd> fds;
    for (;;) {
        fds.clear();
        fds.push_back({wakeFd_, POLLIN, 0});
        const std::size_t listenerCount = listeners_.size();
        for (const auto& listener : listeners_) fds.push_back({listener.fd, POLLIN, 0});
        for (const auto& connection : connections_) {
            const short events = connection.output.empty() ? POLLIN : short(POLLIN | POLLOUT);
            fds.push_back({connection.fd, events, 0});
        }
        if (poll(fds.data(), fds.size(), -1) < 0) {
            if (errno == EINTR) continue;
            return;
        }

        if (fds[0].revents & POLLIN) {
            std::uint64_t count = 0;
            while (read(wakeFd_, &count, sizeof count) < 0 && errno == EINTR) {
            }
            takeRequests();
            std::lock_guard lock(mutex_);
            if (stopping_) return;  // after sending the replies already given
        }

        // Work through the snapshot; takeRequests above may have changed the
        // lists, so match entries by descriptor.
        for (std::size_t i = 1; i < fds.size(); ++i) {
            if (fds[i].revents == 0) continue;
            if (i - 1 < listenerCount) {
                for (const auto& listener : listeners_)
                    if (listener.fd == fds[i].fd) acceptFrom(listener);
                continue;
            }
            for (std::size_t c = 0; c < connections_.size(); ++c) {
                Connection& connection = connections_[c];
                if (connection.fd != fds[i].fd) continue;
                bool keep = true;
                if (fds[i].revents & (POLLIN | POLLHUP | POLLERR)) keep = readFrom(connection);
                if (keep && (fds[i].revents & POLLOUT)) keep = writeTo(connection);
                if (!keep) closeConnection(c);
                break;
            }
        }
    }
}

void FrameServer::takeRequests()
{
    std::deque<Request> requests;
    {
        std::lock_guard lock(mutex_);
        requests.swap(requests_);
    }
    for (auto& request : requests) {
        switch (request.kind) {
        case Request::Kind::AddListener:
            listeners_.push_back({request.listenFd, request.window});
            break;
        case Request::Kind::RemoveWindow:
            removeListenersOf(request.window);
            break;
        case Request::Kind::Reply:
            queueOutput(request.connection, request.reply);
            break;
        }
    }
}

void FrameServer::removeListenersOf(WindowHandle window)
{
    for (std::size_t i = listeners_.size(); i > 0; --i) {
        if (listeners_[i - 1].window != window) continue;
        close(listeners_[i - 1].fd);
        listeners_.erase(listeners_.begin() + static_cast<std::ptrdiff_t>(i - 1));
    }
    for (std::size_t i = connections_.size(); i > 0; --i)
        if (connections_[i - 1].window == window) closeConnection(i - 1);
}

void FrameServer::queueOutput(std::uint64_t connection, const std::vector<std::uint8_t>& bytes)
{
    for (std::size_t i = 0; i < connections_.size(); ++i) {
        if (connections_[i].id != connection) continue;
        auto& output = connections_[i].output;
        output.insert(output.end(), bytes.begin(), bytes.end());
        if (output.size() > kMaxPendingOutput || !writeTo(connections_[i])) closeConnection(i);
        return;
    }
}

void FrameServer::acceptFrom(const Listener& listener)
{
    for (;;) {
        const int fd = accept4(listener.fd, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0) {
            if (errno == EINTR) continue;
            return;
        }
        // The folder is private to the user; the peer check keeps it so even for
        // a socket handed on by other means.
        ucred peer {};
        socklen_t size = sizeof peer;
        if (connections_.size() >= kMaxConnections ||
            getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0 || peer.uid != geteuid()) {
            close(fd);
            continue;
        }
        Connection connection;
        connection.id = nextConnectionId_++;
        connection.fd = fd;
        connection.window = listener.window;
        connections_.push_back(std::move(connection));
    }
}

bool FrameServer::readFrom(Connection& connection)
{
    std::uint8_t chunk[kReadChunk];
    for (int round = 0; round < kChunksPerRound; ++round) {
        const ssize_t n = recv(connection.fd, chunk, sizeof chunk, 0);
        if (n == 0) return false;
        if (n < 0) {
            if (errno == EINTR) continue;
            if (errno == EAGAIN || errno == EWOULDBLOCK) break;
            return false;
        }
        connection.reader.append(chunk, static_cast<std::size_t>(n));
        Frame frame;
        for (;;) {
            const auto status = connection.reader.next(frame);
            if (status == FrameReader::Status::Malformed) return false;
            if (status == FrameReader::Status::NeedMore) break;
            if (!dispatch(connection, frame)) return false;
        }
        if (static_cast<std::size_t>(n) < sizeof chunk) break;
    }
    return true;
}

bool FrameServer::writeTo(Connection& connection)
{
    while (!connection.output.empty()) {
        const ssize_t n = send(connection.fd, connection.output.data(), connection.output.size(), MSG_NOSIGNAL);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno == EAGAIN || errno == EWOULDBLOCK;
        }
        connection.output.erase(connection.output.begin(), connection.output.begin() + n);
    }
    return true;
}

bool FrameServer::dispatch(Connection& connection, Frame& frame)
{
    // A connection speaks to one window, and replies only go the other way.
    if (frame.target != connection.window || frame.kind == FrameKind::Reply) return false;

    if (frame.kind == FrameKind::Post) {
        LocalWindows::instance().post(frame.target, frame.message, frame.wParam, frame.lParam);
        return true;
    }

    auto call = std::make_shared<PendingSend>();
    call->target = frame.target;
    call->copyData = frame.kind == FrameKind::CopyData;
    call->message = frame.message;
    call->wParam = frame.wParam;
    call->lParam = frame.lParam;
    call->sender = frame.sender;
    call->dwData = frame.dwData;
    call->payload = std::move(frame.payload);
    const std::uint64_t connectionId = connection.id;
    const std::uint32_t serial = frame.serial;
    call->complete = [this, connectionId, serial](LResult result) { queueReply(connectionId, serial, result); };
    if (!LocalWindows::instance().queueSend(call)) call->complete(0);
    return true;
}

void FrameServer::closeConnection(std::size_t index)
{
    close(connections_[index].fd);
    connections_.erase(connections_.begin() + static_cast<std::ptrdiff_t>(index));
}

}  // namespace platform::windows
