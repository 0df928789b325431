#pragma once
// Reads a sound file through libsndfile: a WAV file in any common encoding (8-,
// 16-, 24- or 32-bit integer, 32- or 64-bit float, any channel count and rate)
// and the other formats libsndfile knows, turned into 16-bit samples.

#include <optional>
#include <string>

#include "platform/sound/SoundClip.h"

namespace platform {

// Feedback sounds last seconds; a larger file, or one that decodes to more
// samples, is not one of them.
inline constexpr std::size_t kMaxSoundFileBytes = 16u * 1024u * 1024u;
inline constexpr std::size_t kMaxSoundSamples = 16u * 1024u * 1024u;

// nullopt when the path is not a regular file (a FIFO, a directory or a device
// is never opened for reading), is too large, is not a sound file libsndfile can
// read, has an implausible channel count or rate, or holds no sample.
std::optional<SoundClip> loadSoundFile(const std::string& path);

}  // namespace platform
