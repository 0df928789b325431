#include "monitor/host/Countdown.h"

#include <limits>

#include "monitor/host/SoundTable.h"

namespace monitor::host {
namespace {

constexpr std::uint32_t kStepMs = 1000;
constexpr std::int32_t kFinalPhaseSeconds = 5;

}  // namespace

void Countdown::start(std::int32_t seconds)
{
    if (running_) timers_.killTimer(kTimerCountdown);
    running_ = true;
    remaining_ = seconds;
    sounds_.playSound(kSoundTimerActivated);
    timers_.setTimer(kTimerCountdown, kStepMs);
    // A ten-second count announces itself at once, cutting the activation sound.
    if (remaining_ == 10) sounds_.playSound(kSoundTenSeconds);
}

void Countdown::stop()
{
    if (!running_) return;
    timers_.killTimer(kTimerCountdown);
    running_ = false;
    finalPhase_ = false;
    sounds_.playSound(kSoundTimerStopped);
}

void Countdown::step()
{
    // A tick already queued when the count stopped must not speak.
    if (!running_) return;
    const std::int32_t old = remaining_;
    // A count that starts at the lowest value ends here like one at 0.
    remaining_ = old == std::numeric_limits<std::int32_t>::min() ? old : old - 1;
    if (remaining_ <= kFinalPhaseSeconds && !finalPhase_) finalPhase_ = true;

    switch (old) {
    case 11: case 6: case 5: case 4: case 3: case 2:
        sounds_.playSound(old - 1);
        return;
    default:
        break;
    }
    if (old <= 1) {
        timers_.killTimer(kTimerCountdown);
        sounds_.playSound(kSoundGo);
        running_ = false;
        finalPhase_ = false;
    }
}

}  // namespace monitor::host
