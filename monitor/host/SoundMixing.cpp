#include "monitor/host/SoundMixing.h"

#include <cmath>
#include <cstddef>

namespace monitor::host {
namespace {

constexpr std::size_t kDataSizeOffset = 40;
constexpr std::size_t kSamplesOffset = 44;
constexpr long kLimit = 32767;

}  // namespace

void scaleWavSamples(std::vector<std::uint8_t>& wav, float loudness)
{
    if (wav.size() < kSamplesOffset) return;
    const std::uint32_t dataSize = std::uint32_t{wav[kDataSizeOffset]} | (std::uint32_t{wav[kDataSizeOffset + 1]} << 8) |
                                   (std::uint32_t{wav[kDataSizeOffset + 2]} << 16) |
                                   (std::uint32_t{wav[kDataSizeOffset + 3]} << 24);
    const std::size_t available = (wav.size() - kSamplesOffset) / 2;
    const std::size_t samples = dataSize / 2 < available ? dataSize / 2 : available;

    for (std::size_t i = 0; i < samples; ++i) {
        std::uint8_t* at = &wav[kSamplesOffset + 2 * i];
        const auto sample = static_cast<std::int16_t>(static_cast<std::uint16_t>(at[0] | (at[1] << 8)));
        long scaled = std::lround(static_cast<float>(sample) * loudness);
        if (scaled > kLimit) scaled = kLimit;
        if (scaled < -kLimit) scaled = -kLimit;
        const auto bits = static_cast<std::uint16_t>(static_cast<std::int16_t>(scaled));
        at[0] = static_cast<std::uint8_t>(bits & 0xFF);
        at[1] = static_cast<std::uint8_t>(bits >> 8);
    }
}

}  // namespace monitor::host
