#pragma once
// Scales the samples of a canonical 16-bit WAV file held in memory to a
// loudness, clipping them to -32767 ... 32767.

#include <cstdint>
#include <vector>

namespace monitor::host {

// The data size is the 32-bit value at byte 40 and the samples start at byte 44;
// samples past the end of the bytes are left alone. A file shorter than its
// header is not changed.
void scaleWavSamples(std::vector<std::uint8_t>& wavFile, float loudness);

}  // namespace monitor::host
