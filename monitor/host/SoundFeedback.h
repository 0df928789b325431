#pragma once
// The feedback sounds for what the mouse does and the countdown: each
// announcement checks its profile switch and the quiet flags, cancels the
// sounds still pending and starts its one-shot timer; the tick plays the sound
// at the profile's loudness.

#include <cstdint>

#include "monitor/host/BlockReader.h"
#include "monitor/host/Countdown.h"
#include "monitor/host/SoundOutput.h"
#include "monitor/host/TimerService.h"

namespace monitor::host {

class SoundFeedback : public SoundRequests {
public:
    SoundFeedback(const BlockReader& settings, TimerService& timers, SoundOutput& output)
        : settings_(settings), timers_(timers), output_(output), countdown_(timers, *this) {}

    // At the active profile's loudness.
    void playSound(int number) override;

    // Open when no countdown is in its final phase and no trophy sound runs.
    bool feedbackGateOpen() const { return !countdown_.finalPhase() && !trophyRunning_; }
    void cancelPendingSounds();

    // `previousProfile` is the profile active before the switch, whose
    // SoundProfile decides; the tick names the profile active by then.
    void announceProfile(int previousProfile);
    void announceWindowsProfile(int previousProfile);
    // The new level's resolution in units of 100, when it differs from the old one.
    void announceResolution(std::int32_t oldValue, std::int32_t newValue);
    // The resolution (units of 100) that timer 603 announces, when the caller
    // decided the announcement itself.
    void rememberResolution(std::int32_t value) { rememberedResolution_ = value; }
    // A sensitivity that stayed equal cancels pending sounds and plays nothing.
    void announceSensitivity(std::int32_t oldValue, std::int32_t newValue);
    void announceVolume(bool up);
    // Plays at once and silences the other feedback for 4 s.
    void announceTrophy(bool allTrophiesEarned);

    // Function codes 49 and 50 of a pressed button.
    void startCountdown(std::int32_t seconds) { countdown_.start(seconds); }
    void stopCountdown() { countdown_.stop(); }

    // Timers 600-610; false for any other id.
    bool onTimer(TimerId id);
    // At shutdown: every feedback timer stops.
    void stopAll();

    const Countdown& countdown() const { return countdown_; }
    bool trophyRunning() const { return trophyRunning_; }

private:
    bool enabled(const settings::ProfileRecord* profile, std::int32_t settings::ProfileRecord::*field) const;
    bool enabledInProfile(int profile, std::int32_t settings::ProfileRecord::*field) const;
    void startSoundTimer(TimerId id);

    const BlockReader& settings_;
    TimerService& timers_;
    SoundOutput& output_;
    Countdown countdown_;
    bool trophyRunning_ = false;
    std::int32_t rememberedResolution_ = 0;
};

}  // namespace monitor::host
