#pragma once
// Collects the exit status of the programs we start, so that none of them stays
// behind as a zombie, without touching children that other code waits for.
// One thread blocks in poll() on a process descriptor per child and on a wake-up
// descriptor for new children and for shutdown.

#include <chrono>
#include <memory>
#include <sys/types.h>

namespace platform {

class ChildReaper {
public:
    static ChildReaper& instance();

    // Takes over waiting for `pid`, a child of this process. False when no
    // process descriptor can be had; a thread of its own then waits for it.
    bool adopt(pid_t pid);

    // Blocks until `pid` is no longer waiting to be reaped (at once when it was
    // never adopted) or `timeout` passes; true in the first case.
    bool waitUntilReaped(pid_t pid, std::chrono::milliseconds timeout) const;

    ~ChildReaper();
    ChildReaper(const ChildReaper&) = delete;
    ChildReaper& operator=(const ChildReaper&) = delete;

private:
    ChildReaper();
    class Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace platform
