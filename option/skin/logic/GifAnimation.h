#pragma once
// What an animation control needs to know of a GIF file before its frames are
// decoded: whether it is one, the size of its logical screen and its
// background colour; and how long each frame stays on screen.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace option::skin {

struct GifScreen {
    int width = 0;
    int height = 0;
    // 0xAARRGGBB: the global colour table's entry at the background index,
    // opaque black when there is no table or the index lies outside it.
    std::uint32_t background = 0xFF000000;
};

// The logical screen of a file that starts with "GIF87a" or "GIF89a"; nothing
// for any other file or one too short to hold its header.
std::optional<GifScreen> readGifScreen(std::span<const std::uint8_t> file);

// A frame delay is written in hundredths of a second; 4 or less (0 is common)
// stands for 100 ms.
inline constexpr int kShortestFrameDelay = 4;
inline constexpr int kShortFrameMilliseconds = 100;
int frameMilliseconds(int delayHundredths);

}  // namespace option::skin
