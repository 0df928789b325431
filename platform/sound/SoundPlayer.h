#pragma once
// Plays decoded sounds on the default audio output (PlaySoundA with SND_MEMORY
// | SND_ASYNC).

#include <memory>

#include "platform/sound/SoundClip.h"

namespace platform {

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;  // stops the sound

    // Stops whatever is playing and starts `clip`; returns at once. A missing
    // output device, a format the device refuses or any audio error gives
    // silence: the sound is simply not heard.
    virtual void play(SoundClip clip) = 0;
    // Stops whatever is playing (SND_PURGE).
    virtual void stop() = 0;
};

// The player on the default audio output, with a thread of its own.
std::unique_ptr<SoundPlayer> openSoundPlayer();

}  // namespace platform
