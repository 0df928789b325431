#include "monitor/host/SoundFeedback.h"

#include <array>

#include "monitor/host/SoundTable.h"

namespace monitor::host {
namespace {

constexpr std::uint32_t kSoundDelayMs = 500;
constexpr std::uint32_t kTrophyQuietMs = 4000;

constexpr std::array<TimerId, 8> kPendingSoundTimers{
    kTimerProfileSound,       kTimerWindowsProfileSound,  kTimerResolutionSound, kTimerSensitivityUpSound,
    kTimerSensitivityDownSound, kTimerVolumeUpSound,      kTimerVolumeDownSound, kTimerTrophy};

}  // namespace

void SoundFeedback::playSound(int number)
{
    const settings::ProfileRecord* profile = settings::activeProfile(settings_.block());
    output_.play(number, loudnessFactor(profile ? profile->SoundVolume : -1));
}

void SoundFeedback::cancelPendingSounds()
{
    for (const TimerId id : kPendingSoundTimers) timers_.killTimer(id);
    trophyRunning_ = false;
}

bool SoundFeedback::enabled(const settings::ProfileRecord* profile,
                            std::int32_t settings::ProfileRecord::*field) const
{
    return profile != nullptr && profile->*field == 1 && feedbackGateOpen();
}

bool SoundFeedback::enabledInProfile(int profile, std::int32_t settings::ProfileRecord::*field) const
{
    if (!settings::isValidProfileIndex(profile)) return false;
    return enabled(&settings_.block().Profiles[profile], field);
}

void SoundFeedback::startSoundTimer(TimerId id)
{
    cancelPendingSounds();
    timers_.setTimer(id, kSoundDelayMs);
}

void SoundFeedback::announceProfile(int previousProfile)
{
    if (enabledInProfile(previousProfile, &settings::ProfileRecord::SoundProfile)) startSoundTimer(kTimerProfileSound);
}

void SoundFeedback::announceWindowsProfile(int previousProfile)
{
    if (enabledInProfile(previousProfile, &settings::ProfileRecord::SoundProfile))
        startSoundTimer(kTimerWindowsProfileSound);
}

void SoundFeedback::announceResolution(std::int32_t oldValue, std::int32_t newValue)
{
    if (oldValue == newValue) return;
    if (!enabled(settings::activeProfile(settings_.block()), &settings::ProfileRecord::SoundDpi)) return;
    rememberedResolution_ = newValue;
    startSoundTimer(kTimerResolutionSound);
}

void SoundFeedback::announceSensitivity(std::int32_t oldValue, std::int32_t newValue)
{
    if (!enabled(settings::activeProfile(settings_.block()), &settings::ProfileRecord::SoundSens)) return;
    cancelPendingSounds();
    if (newValue > oldValue) timers_.setTimer(kTimerSensitivityUpSound, kSoundDelayMs);
    if (newValue < oldValue) timers_.setTimer(kTimerSensitivityDownSound, kSoundDelayMs);
}

void SoundFeedback::announceVolume(bool up)
{
    if (enabled(settings::activeProfile(settings_.block()), &settings::ProfileRecord::VolumeUpDown))
        startSoundTimer(up ? kTimerVolumeUpSound : kTimerVolumeDownSound);
}

void SoundFeedback::announceTrophy(bool allTrophiesEarned)
{
    const settings::ProfileRecord* profile = settings::activeProfile(settings_.block());
    if (profile == nullptr || profile->SoundTrophy != 1 || countdown_.finalPhase()) return;
    cancelPendingSounds();
    timers_.setTimer(kTimerTrophy, kTrophyQuietMs);
    playSound(allTrophiesEarned ? kSoundEveryTrophy : kSoundTrophy);
    trophyRunning_ = true;
}

bool SoundFeedback::onTimer(TimerId id)
{
    if (id == kTimerCountdown) {
        countdown_.step();
        return true;
    }
    bool ours = false;
    for (const TimerId pending : kPendingSoundTimers) ours = ours || pending == id;
    if (!ours) return false;
    timers_.killTimer(id);
    switch (id) {
    case kTimerProfileSound: {
        const int current = settings_.block().CurrentProfile;
        if (settings::isValidProfileIndex(current)) playSound(kSoundFirstProfile + current);
        break;
    }
    case kTimerWindowsProfileSound: playSound(kSoundWindowsProfile); break;
    case kTimerResolutionSound:
        // Values outside the sound table's resolutions play nothing.
        if (rememberedResolution_ > 0 && rememberedResolution_ <= kSoundHighestResolution / kResolutionSoundStep)
            playSound(rememberedResolution_ * kResolutionSoundStep);
        break;
    case kTimerSensitivityUpSound: playSound(kSoundSensitivityUp); break;
    case kTimerSensitivityDownSound: playSound(kSoundSensitivityDown); break;
    case kTimerVolumeUpSound: playSound(kSoundVolumeUp); break;
    case kTimerVolumeDownSound: playSound(kSoundVolumeDown); break;
    case kTimerTrophy: trophyRunning_ = false; break;
    default: break;
    }
    return true;
}

void SoundFeedback::stopAll()
{
    cancelPendingSounds();
    timers_.killTimer(kTimerCountdown);
}

}  // namespace monitor::host
