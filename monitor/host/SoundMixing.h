#pragma once
// Scales decoded 16-bit samples to a loudness, clipping them to -32767 ... 32767.

#include <cstdint>
#include <span>

namespace monitor::host {

// Each sample times `loudness`, rounded to the nearest integer and limited.
void scaleSamples(std::span<std::int16_t> samples, float loudness);

}  // namespace monitor::host
