#pragma once
// Every wait of the protocol goes through a Pauser, so tests can count the waits
// instead of taking them.

#include <atomic>
#include <chrono>

namespace monitor::protocol {

class Pauser {
public:
    virtual ~Pauser() = default;
    virtual void sleep(std::chrono::milliseconds duration) = 0;
};

// The real waits.
class SleepingPauser final : public Pauser {
public:
    void sleep(std::chrono::milliseconds duration) override;
};

inline constexpr std::chrono::milliseconds kPauseStep{100};

// Waits in steps of 100 ms (duration / 100 of them, so less than 100 ms waits not
// at all), testing the abort flag before each step. False at once when it is set.
bool abortablePause(Pauser& pauser, std::chrono::milliseconds duration, const std::atomic<bool>& abort);

}  // namespace monitor::protocol
