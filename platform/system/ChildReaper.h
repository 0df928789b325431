#pragma once
// Collects the exit status of the programs we start, so that none of them stays
// behind as a zombie, without touching children that other code waits for.
// One thread blocks in poll() on a process descriptor per child and on a wake-up
// descriptor for new children and for shutdown.

#include <chrono>
#include <cstddef>
#include <memory>
#include <sys/types.h>

namespace platform {

class ChildReaper {
public:
    static ChildReaper& instance();

    // Takes over waiting for `pid`, a child of this process. False when no
    // process descriptor can be had; the child is then waited for at once if it
    // has already ended, else left to be reaped by our own exit.
    bool adopt(pid_t pid);

    // Children adopted and not yet reaped.
    std::size_t pendingCount() const;
    // Blocks until every adopted child has been reaped or `timeout` passes.
    bool waitUntilAllReaped(std::chrono::milliseconds timeout) const;

    ~ChildReaper();
    ChildReaper(const ChildReaper&) = delete;
    ChildReaper& operator=(const ChildReaper&) = delete;

private:
    ChildReaper();
    class Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace platform
