#pragma once
// The countdown a timer button starts: one step a second on timer 600, spoken
// at 10 and at 5 ... 1 seconds left, "go" at the end. Its last five seconds are
// the final phase, which silences all other feedback.

#include <cstdint>

#include "monitor/host/TimerService.h"

namespace monitor::host {

class SoundRequests {
public:
    virtual ~SoundRequests() = default;
    virtual void playSound(int number) = 0;
};

class Countdown {
public:
    Countdown(TimerService& timers, SoundRequests& sounds) : timers_(timers), sounds_(sounds) {}

    // A start while running restarts the count.
    void start(std::int32_t seconds);
    // Only while running.
    void stop();
    // Timer 600.
    void step();

    bool running() const { return running_; }
    bool finalPhase() const { return finalPhase_; }
    std::int32_t remainingSeconds() const { return remaining_; }

private:
    TimerService& timers_;
    SoundRequests& sounds_;
    std::int32_t remaining_ = 0;
    bool running_ = false;
    bool finalPhase_ = false;
};

}  // namespace monitor::host
