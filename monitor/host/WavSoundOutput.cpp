#include "monitor/host/WavSoundOutput.h"

#include "monitor/host/SoundMixing.h"
#include "monitor/host/SoundTable.h"
#include "platform/sound/SoundFile.h"

namespace monitor::host {

void WavSoundOutput::play(int number, float loudness)
{
    player_.stop();
    const std::string path = soundFilePath(folder_, number);
    if (path.empty()) return;
    std::optional<platform::SoundClip> clip = platform::loadSoundFile(path);
    if (!clip) return;
    scaleSamples(clip->samples, loudness);
    player_.play(std::move(*clip));
}

}  // namespace monitor::host
