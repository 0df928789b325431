#pragma once
// The feedback sounds: file names by sound number, and the loudness by the
// profile's SoundVolume.

#include <string>
#include <vector>

#include "settings/InstallFolder.h"

namespace monitor::host {

inline constexpr int kSoundGo = 0;
inline constexpr int kSoundTenSeconds = 10;
inline constexpr int kSoundTimerStopped = 18;
inline constexpr int kSoundTimerActivated = 19;
inline constexpr int kSoundSensitivityUp = 30;
inline constexpr int kSoundSensitivityDown = 31;
inline constexpr int kSoundVolumeUp = 32;
inline constexpr int kSoundVolumeDown = 33;
inline constexpr int kSoundFirstProfile = 40;
inline constexpr int kSoundWindowsProfile = 45;
inline constexpr int kSoundTrophy = 50;
inline constexpr int kSoundEveryTrophy = 51;
inline constexpr int kSoundLowestResolution = 100;
inline constexpr int kSoundHighestResolution = 5000;
// Resolutions are announced by their CPI level value (units of 100) times 100.
inline constexpr int kResolutionSoundStep = 100;

// "" for a number without a sound.
std::string soundFileName(int number);

// Every sound the monitor can ask for: the fixed ones and the resolutions of the
// CPI level values 1-50 (100, 200 ... 5000). These files the installation ships.
std::vector<int> playableSounds();

// The sound's file in "Wave/Volume/" of the installation; "" for a number
// without a sound.
std::string soundFilePath(const settings::InstallFolder& folder, int number);

// 0.3, 0.5, 0.7, 0.9, 1.1 for SoundVolume 0-4; any other value counts as 2.
float loudnessFactor(int soundVolume);

}  // namespace monitor::host
