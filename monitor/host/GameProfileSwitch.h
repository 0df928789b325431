#pragma once
// Game-linked profiles: every two seconds, while the mouse is connected, the
// program in the foreground is compared with the games the profiles name; its
// profile becomes active, or the Windows profile once no game is in front.

#include <string_view>

#include "monitor/host/ProfileActivation.h"
#include "monitor/host/SoundFeedback.h"
#include "monitor/host/TimerService.h"
#include "platform/desktop/ForegroundProgram.h"
#include "platform/desktop/ProcessList.h"
#include "settings/SettingsBlock.h"

namespace monitor::host {

// The first profile (lowest slot, then lowest game index) naming `exeFile` by
// file name and extension, ignoring case and surrounding spaces; -1 for none.
int profileOfGame(const settings::SettingsBlock& block, std::string_view exeFile);

// The file name with extension of a path written with '\' or '/'.
std::string_view fileNameOfPath(std::string_view path);

class GameProfileSwitch {
public:
    GameProfileSwitch(ProfileSwitchServices& services, TimerService& timers, SoundFeedback& feedback,
                      platform::ForegroundProgram& foreground, platform::ProcessList& processes)
        : services_(services), timers_(timers), feedback_(feedback), foreground_(foreground), processes_(processes) {}

    // Timer 500 runs while the mouse is connected and ready.
    void startWatching();
    void stopWatching();
    // Timer 500.
    void watchTick();

private:
    std::string foregroundExeFile();

    ProfileSwitchServices& services_;
    TimerService& timers_;
    SoundFeedback& feedback_;
    platform::ForegroundProgram& foreground_;
    platform::ProcessList& processes_;
};

}  // namespace monitor::host
