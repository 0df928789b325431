#pragma once
// Blocks until a device descriptor has something to read or the reader is woken.

#include <cerrno>
#include <poll.h>

namespace hidbridge {

enum class Readiness { Readable, Woken, HungUp, Failed };

// Waits up to `timeoutMs` until `fd` (ignored when -1) has something to read or
// hung up, or `wakeFd` is readable; whether `fd` is then ready.
inline bool readableWithin(int fd, int wakeFd, int timeoutMs)
{
    pollfd fds[2] = {{fd, POLLIN, 0}, {wakeFd, POLLIN, 0}};
    if (poll(fds, 2, timeoutMs) <= 0) return false;
    return fd >= 0 && (fds[0].revents & (POLLIN | POLLHUP)) != 0;
}

// `wakeFd` (an eventfd, or -1 for none) wins over pending data, so a stop is never
// delayed by a device that keeps sending.
inline Readiness waitReadable(int fd, int wakeFd)
{
    pollfd fds[2] = {{fd, POLLIN, 0}, {wakeFd, POLLIN, 0}};
    for (;;) {
        const int ready = poll(fds, wakeFd >= 0 ? 2 : 1, -1);
        if (ready >= 0) break;
        if (errno != EINTR) return Readiness::Failed;
    }
    if (wakeFd >= 0 && (fds[1].revents & POLLIN)) return Readiness::Woken;
    if (fds[0].revents & POLLIN) return Readiness::Readable;
    return Readiness::HungUp;
}

}  // namespace hidbridge
