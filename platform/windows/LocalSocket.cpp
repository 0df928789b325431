#include "platform/windows/LocalSocket.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace platform::msgwin {
namespace {

bool fillAddress(const std::string& path, sockaddr_un& address)
{
    if (path.empty() || path.size() > maxSocketPathLength()) {
        errno = ENAMETOOLONG;
        return false;
    }
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.data(), path.size());
    return true;
}

bool setNonBlocking(int fd)
{
    const int flags = fcntl(fd, F_GETFL);
    return flags >= 0 && fcntl(fd, F_SETFL, flags | O_NONBLOCK) == 0;
}

}  // namespace

std::size_t maxSocketPathLength()
{
    return sizeof(sockaddr_un::sun_path) - 1;
}

int listenAt(const std::string& path)
{
    sockaddr_un address;
    if (!fillAddress(path, address)) return -1;
    const int fd = socket(AF_UNIX, SOCK_SEQPACKET | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) return -1;
    unlink(path.c_str());
    if (bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        listen(fd, SOMAXCONN) != 0) {
        const int error = errno;
        close(fd);
        errno = error;
        return -1;
    }
    return fd;
}

int connectTo(const std::string& path, bool waitForRoom)
{
    sockaddr_un address;
    if (!fillAddress(path, address)) return -1;
    const int type = SOCK_SEQPACKET | SOCK_CLOEXEC | (waitForRoom ? 0 : SOCK_NONBLOCK);
    const int fd = socket(AF_UNIX, type, 0);
    if (fd < 0) return -1;
    int result;
    do {
        result = connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    } while (result != 0 && errno == EINTR);
    if (result != 0 || (waitForRoom && !setNonBlocking(fd))) {
        const int error = errno;
        close(fd);
        errno = error;
        return -1;
    }
    return fd;
}

int acceptFrom(int listenFd)
{
    int fd;
    do {
        fd = accept4(listenFd, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

IoStatus sendPacket(int fd, const std::uint8_t* data, std::size_t size)
{
    for (;;) {
        const ssize_t sent = send(fd, data, size, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (sent >= 0) return IoStatus::Done;  // sequenced packets go whole
        if (errno == EINTR) continue;
        if (errno == EAGAIN || errno == EWOULDBLOCK) return IoStatus::WouldBlock;
        return IoStatus::Closed;
    }
}

ReceivedPacket receivePacket(int fd, std::uint8_t* buffer, std::size_t capacity)
{
    ReceivedPacket packet;
    iovec io{buffer, capacity};
    msghdr message{};
    message.msg_iov = &io;
    message.msg_iovlen = 1;
    for (;;) {
        const ssize_t received = recvmsg(fd, &message, MSG_DONTWAIT | MSG_CMSG_CLOEXEC);
        if (received > 0) {
            packet.status = IoStatus::Done;
            packet.size = static_cast<std::size_t>(received);
            packet.truncated = (message.msg_flags & MSG_TRUNC) != 0;
            return packet;
        }
        if (received < 0 && errno == EINTR) continue;
        if (received < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            packet.status = IoStatus::WouldBlock;
            return packet;
        }
        // 0 is the peer's hang-up (an empty packet is never sent by our side).
        packet.status = IoStatus::Closed;
        return packet;
    }
}

void closeDescriptor(int fd)
{
    if (fd >= 0) close(fd);
}

}  // namespace platform::msgwin
