#pragma once
// Plays a WAV file's bytes from memory (PlaySoundA with SND_MEMORY | SND_ASYNC).

#include <cstdint>
#include <memory>
#include <vector>

namespace platform {

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;  // stops the sound

    // Stops whatever is playing and starts `wavFile`; returns at once. A file
    // that is not 16-bit PCM, a missing output device or any audio error gives
    // silence: the sound is simply not heard.
    virtual void play(std::vector<std::uint8_t> wavFile) = 0;
    // Stops whatever is playing (SND_PURGE).
    virtual void stop() = 0;
};

// The player on the default audio output, with a thread of its own.
std::unique_ptr<SoundPlayer> openSoundPlayer();

}  // namespace platform
