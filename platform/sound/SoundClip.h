#pragma once
// A sound decoded for playing: 16-bit signed samples, frames of `channels`
// interleaved samples at `sampleRate` frames a second.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace platform {

struct SoundClip {
    std::uint16_t channels = 0;
    std::uint32_t sampleRate = 0;
    std::vector<std::int16_t> samples;

    std::size_t frames() const { return channels == 0 ? 0 : samples.size() / channels; }
};

}  // namespace platform
