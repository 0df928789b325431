#pragma once
// The shape of a skinned window, worked out from its picture: for every line,
// the runs of pixels that belong to the window. Pixels are 0xAARRGGBB, lines
// top-down.

#include <cstdint>
#include <span>
#include <vector>

namespace option::skin {

struct PixelRun {
    int y = 0;
    int left = 0;
    int width = 0;
};

struct PixelGrid {
    std::span<const std::uint32_t> pixels;  // at least stride * (height - 1) + width
    int width = 0;
    int height = 0;
    int stride = 0;  // pixels from one line to the next
};

// Runs in line order, left to right: every pixel whose colour differs from the
// key colour, the colour (alpha included) of the top-left pixel. An empty grid
// gives no runs.
std::vector<PixelRun> runsOutsideCornerKey(const PixelGrid& grid);

// Runs of the pixels outside the transparent range: a pixel is transparent when
// each of its red, green and blue lies from the transparent colour's up to that
// plus `tolerance` (each at most 255), or when it is fully transparent (alpha
// 0). White with tolerance 0 leaves out exactly the white pixels.
std::vector<PixelRun> runsOutsideColourRange(const PixelGrid& grid, std::uint32_t transparent, int tolerance);

}  // namespace option::skin
