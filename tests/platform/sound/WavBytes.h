#pragma once
// Builds small WAV files in memory for the sound tests.

#include <cstdint>
#include <string>
#include <vector>

namespace platform::test {

struct WavSpec {
    std::uint16_t format = 1;  // PCM
    std::uint16_t channels = 1;
    std::uint32_t sampleRate = 8000;
    std::uint16_t bitsPerSample = 16;
    std::uint32_t dataBytes = 8;
    std::vector<std::uint8_t> data;  // the sample bytes; a ramp of dataBytes when empty
};

inline void put16(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

inline void put32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

inline void putId(std::vector<std::uint8_t>& out, const char* id)
{
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(id[i]));
}

// A canonical file: RIFF header, 16-byte "fmt ", then "data".
inline std::vector<std::uint8_t> wavBytes(WavSpec spec = {})
{
    if (!spec.data.empty()) spec.dataBytes = static_cast<std::uint32_t>(spec.data.size());
    std::vector<std::uint8_t> out;
    const std::uint16_t blockAlign = static_cast<std::uint16_t>(spec.channels * spec.bitsPerSample / 8);
    putId(out, "RIFF");
    put32(out, 36 + spec.dataBytes);
    putId(out, "WAVE");
    putId(out, "fmt ");
    put32(out, 16);
    put16(out, spec.format);
    put16(out, spec.channels);
    put32(out, spec.sampleRate);
    put32(out, spec.sampleRate * blockAlign);
    put16(out, blockAlign);
    put16(out, spec.bitsPerSample);
    putId(out, "data");
    put32(out, spec.dataBytes);
    for (std::uint32_t i = 0; i < spec.dataBytes; ++i)
        out.push_back(spec.data.empty() ? static_cast<std::uint8_t>(i * 37) : spec.data[i]);
    return out;
}

// A canonical 16-bit file holding `samples`.
inline std::vector<std::uint8_t> wavOfSamples(const std::vector<std::int16_t>& samples, std::uint16_t channels = 1)
{
    WavSpec spec;
    spec.channels = channels;
    for (const std::int16_t sample : samples) put16(spec.data, static_cast<std::uint16_t>(sample));
    return wavBytes(spec);
}

}  // namespace platform::test
