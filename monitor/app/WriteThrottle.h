#pragma once
// Bounds how often a file is written for a value that may change many times a
// second (the statistics counters): a change is written at once when the last
// write is at least the interval ago, otherwise once the interval has passed,
// together with every change made meanwhile.

#include <chrono>
#include <optional>

namespace monitor::app {

class WriteThrottle {
public:
    using Clock = std::chrono::steady_clock;

    explicit WriteThrottle(std::chrono::milliseconds interval) : interval_(interval) {}

    // A change at `now`: zero to write now, a wait after which to write, or
    // nothing when a write is already waiting.
    std::optional<std::chrono::milliseconds> changed(Clock::time_point now);
    // The value was written at `now`; nothing is waiting any more.
    void written(Clock::time_point now);
    // A change is waiting for its write (at shutdown, write it).
    bool waiting() const { return waiting_; }

private:
    std::chrono::milliseconds interval_;
    std::optional<Clock::time_point> lastWrite_;
    bool waiting_ = false;
};

}  // namespace monitor::app
