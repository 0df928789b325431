#pragma once
// Plays feedback sounds from the installation's "Wave/Volume/" files: stops the
// sound that plays, loads the file, scales its samples and hands the bytes to
// the platform's sound player. A missing file plays nothing.

#include <cstdint>
#include <vector>

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

// The whole file; empty when it cannot be read or exceeds `limit` bytes.
std::vector<std::uint8_t> readSoundFile(const std::string& path, std::uintmax_t limit);

}  // namespace monitor::host
