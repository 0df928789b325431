#pragma once
// Sequenced-packet Unix sockets: each send is delivered whole or not at all, in
// order, and the peer sees a hang-up as soon as the other end's process is gone.
// Every descriptor is non-blocking and closed on exec.

#include <cstddef>
#include <cstdint>
#include <string>

namespace platform::msgwin {

// Longest socket path the address structure holds.
std::size_t maxSocketPathLength();

// Listens at `path`, replacing a file left there. The caller must own the path
// (hold the window's lock) so that no live listener is replaced. -1 on failure.
int listenAt(const std::string& path);

// -1 with errno set on failure. With `waitForRoom` a full listen backlog makes the
// call wait; without it the call fails with EAGAIN.
int connectTo(const std::string& path, bool waitForRoom);

// -1 when nothing is pending or on error.
int acceptFrom(int listenFd);

enum class IoStatus { Done, WouldBlock, Closed };

IoStatus sendPacket(int fd, const std::uint8_t* data, std::size_t size);

struct ReceivedPacket {
    IoStatus status = IoStatus::Closed;
    std::size_t size = 0;
    bool truncated = false;  // longer than the buffer: the rest is lost
};
ReceivedPacket receivePacket(int fd, std::uint8_t* buffer, std::size_t capacity);

void closeDescriptor(int fd);

}  // namespace platform::msgwin
