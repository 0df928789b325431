#include "monitor/host/SoundMixing.h"

#include <cmath>

namespace monitor::host {
namespace {

constexpr long kLimit = 32767;

}  // namespace

void scaleSamples(std::span<std::int16_t> samples, float loudness)
{
    for (std::int16_t& sample : samples) {
        long scaled = std::lround(static_cast<float>(sample) * loudness);
        if (scaled > kLimit) scaled = kLimit;
        if (scaled < -kLimit) scaled = -kLimit;
        sample = static_cast<std::int16_t>(scaled);
    }
}

}  // namespace monitor::host
