#pragma once
// The window timers that the host functions run on. The monitor's window
// implements the service and forwards each tick to the owner of the timer id.

#include <cstdint>

namespace monitor::host {

using TimerId = std::uint32_t;

inline constexpr TimerId kTimerShortcutRepeat = 102;
inline constexpr TimerId kTimerGameWatch = 500;
inline constexpr TimerId kTimerCountdown = 600;
inline constexpr TimerId kTimerProfileSound = 601;
inline constexpr TimerId kTimerWindowsProfileSound = 602;
inline constexpr TimerId kTimerResolutionSound = 603;
inline constexpr TimerId kTimerSensitivityUpSound = 605;
inline constexpr TimerId kTimerSensitivityDownSound = 606;
inline constexpr TimerId kTimerVolumeUpSound = 607;
inline constexpr TimerId kTimerVolumeDownSound = 608;
inline constexpr TimerId kTimerTrophy = 610;

class TimerService {
public:
    virtual ~TimerService() = default;
    // Starts timer `id`, or restarts it with the new period when it runs.
    virtual void setTimer(TimerId id, std::uint32_t periodMs) = 0;
    virtual void killTimer(TimerId id) = 0;
};

}  // namespace monitor::host
