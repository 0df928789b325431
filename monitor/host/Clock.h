#pragma once
// Monotonic time for the macro player and the shortcut keys: waits are made
// until absolute deadlines, so a long macro does not drift, and a stop request
// can wake a wait early. Tests substitute a clock that only records.

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>

namespace monitor::host {

using MonotonicTime = std::chrono::steady_clock::time_point;
using Milliseconds = std::chrono::milliseconds;

// A stop request that can be polled and that wakes the waits given it.
class StopSignal {
public:
    void request();
    void clear();
    bool requested() const { return requested_.load(); }
    // Blocks until `deadline` or a request; true when requested.
    bool waitUntil(MonotonicTime deadline);

private:
    std::atomic<bool> requested_{false};
    std::mutex mutex_;
    std::condition_variable woken_;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual MonotonicTime now() const = 0;
    // Returns at `deadline`, or earlier when `interrupt` is given and requested.
    virtual void sleepUntil(MonotonicTime deadline, StopSignal* interrupt = nullptr) = 0;
};

// The steady clock of the system.
class SteadyClock : public Clock {
public:
    MonotonicTime now() const override { return std::chrono::steady_clock::now(); }
    void sleepUntil(MonotonicTime deadline, StopSignal* interrupt = nullptr) override;
};

}  // namespace monitor::host
