#pragma once
// Local sequenced-packet sockets, the transport of the virtual bus and of the
// control socket: one packet is one message, and a closed peer reads as end of
// stream.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace mousesim {

// Owns one file descriptor.
class FileDescriptor {
public:
    FileDescriptor() = default;
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() { reset(); }
    FileDescriptor(FileDescriptor&& other) noexcept : fd_(other.release()) {}
    FileDescriptor& operator=(FileDescriptor&& other) noexcept
    {
        if (this != &other) reset(other.release());
        return *this;
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    int release()
    {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }
    void reset(int fd = -1);

private:
    int fd_ = -1;
};

// A listening socket at `path`. With `temporaryPath` set, the socket is bound and
// listening there first and then renamed to `path`, so that whoever watches the
// folder sees it appear complete. Invalid on failure, leaving nothing behind.
FileDescriptor listenAt(const std::string& path, const std::string& temporaryPath = {});

// Blocking connection to the socket at `path`; invalid when nobody listens there.
FileDescriptor connectTo(const std::string& path);

// Accepts one waiting connection as non-blocking; invalid when none waits.
FileDescriptor acceptWaiting(int listener);

// Sends one packet without blocking; false when it could not go out whole.
bool sendPacketNow(int fd, std::span<const std::uint8_t> packet);
bool sendPacketNow(int fd, std::string_view packet);

enum class ReceiveResult { Packet, NothingYet, Closed, TooLong };

// Takes one waiting packet of at most `limit` bytes into `packet` without
// blocking. A longer packet is discarded and answers TooLong.
ReceiveResult receivePacketNow(int fd, std::vector<std::uint8_t>& packet, std::size_t limit);

// Waits up to `timeoutMs` (-1: without limit) for one packet. Closed also on
// timeout or error; TooLong as above.
ReceiveResult receivePacketWithin(int fd, std::vector<std::uint8_t>& packet, std::size_t limit, int timeoutMs);

}  // namespace mousesim
