#include "monitor/host/SoundTable.h"

#include <array>

namespace monitor::host {

std::string soundFileName(int number)
{
    switch (number) {
    case 0: return "go.wav";
    case 1: return "1_second.wav";
    case 2: return "2_seconds.wav";
    case 3: return "3_seconds.wav";
    case 4: return "4_seconds.wav";
    case 5: return "5_seconds.wav";
    case 10: return "10_seconds.wav";
    case 18: return "timer_stopped.wav";
    case 19: return "timer_activated.wav";
    case 30: return "sens_up.wav";
    case 31: return "sens_down.wav";
    case 32: return "volume_up.wav";
    case 33: return "volume_down.wav";
    case 40: return "profile_one.wav";
    case 41: return "profile_two.wav";
    case 42: return "profile_three.wav";
    case 43: return "profile_four.wav";
    case 44: return "profile_five.wav";
    case 45: return "windows_profile.wav";
    case 50: return "Trophy.wav";
    case 51: return "Every_Trophy.wav";
    default: break;
    }
    if (number >= kSoundLowestResolution && number <= kSoundHighestResolution) return std::to_string(number) + ".wav";
    return {};
}

std::vector<int> playableSounds()
{
    std::vector<int> numbers{kSoundGo, 1, 2, 3, 4, 5, kSoundTenSeconds, kSoundTimerStopped, kSoundTimerActivated,
                             kSoundSensitivityUp, kSoundSensitivityDown, kSoundVolumeUp, kSoundVolumeDown};
    for (int profile = 0; profile <= kSoundWindowsProfile - kSoundFirstProfile; ++profile)
        numbers.push_back(kSoundFirstProfile + profile);
    numbers.push_back(kSoundTrophy);
    numbers.push_back(kSoundEveryTrophy);
    for (int number = kSoundLowestResolution; number <= kSoundHighestResolution; number += kResolutionSoundStep)
        numbers.push_back(number);
    return numbers;
}

std::string soundFilePath(const settings::InstallFolder& folder, int number)
{
    const std::string name = soundFileName(number);
    if (name.empty()) return {};
    return folder.file("Wave/Volume/" + name);
}

float loudnessFactor(int soundVolume)
{
    static constexpr std::array<float, 5> kFactors{0.3f, 0.5f, 0.7f, 0.9f, 1.1f};
    if (soundVolume < 0 || soundVolume >= static_cast<int>(kFactors.size())) soundVolume = 2;
    return kFactors[static_cast<std::size_t>(soundVolume)];
}

}  // namespace monitor::host
