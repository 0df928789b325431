#pragma once
// Plays feedback sounds from the installation's "Wave/Volume/" files: stops the
// sound that plays, loads and decodes the file, scales its samples and hands
// them to the platform's sound player. A missing or unreadable file plays
// nothing.

#include "monitor/host/SoundOutput.h"
#include "platform/sound/SoundPlayer.h"
#include "settings/InstallFolder.h"

namespace monitor::host {

class WavSoundOutput : public SoundOutput {
public:
    WavSoundOutput(settings::InstallFolder folder, platform::SoundPlayer& player)
        : folder_(std::move(folder)), player_(player) {}

    void play(int number, float loudness) override;

private:
    settings::InstallFolder folder_;
    platform::SoundPlayer& player_;
};

}  // namespace monitor::host
