#pragma once
// Reads the RIFF header of a WAV file held in memory. Only 16-bit PCM is
// accepted: anything else would play as noise.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace platform {

struct PcmWav {
    std::uint16_t channels = 0;
    std::uint32_t sampleRate = 0;
    // Where the samples lie in the file's bytes; always within them, and a whole
    // number of frames.
    std::size_t dataOffset = 0;
    std::size_t dataSize = 0;
};

// The format and sample bytes of a 16-bit PCM WAV file; nullopt for any other
// format and for a header that is damaged or points past the end.
std::optional<PcmWav> parsePcmWav(std::span<const std::uint8_t> file);

}  // namespace platform
