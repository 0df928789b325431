#include "option/skin/logic/ShapeRuns.h"

#include <algorithm>

namespace option::skin {
namespace {

bool usable(const PixelGrid& grid)
{
    if (grid.width <= 0 || grid.height <= 0 || grid.stride < grid.width) return false;
    const auto needed = static_cast<std::size_t>(grid.stride) * static_cast<std::size_t>(grid.height - 1) +
                        static_cast<std::size_t>(grid.width);
    return grid.pixels.size() >= needed;
}

template <typename Transparent>
std::vector<PixelRun> collectRuns(const PixelGrid& grid, Transparent transparent)
{
    std::vector<PixelRun> runs;
    if (!usable(grid)) return runs;
    for (int y = 0; y < grid.height; ++y) {
        const std::uint32_t* line = grid.pixels.data() + static_cast<std::size_t>(y) * grid.stride;
        int x = 0;
        while (x < grid.width) {
            while (x < grid.width && transparent(line[x]))
                ++x;
            const int start = x;
            while (x < grid.width && !transparent(line[x]))
                ++x;
            if (x > start) runs.push_back({y, start, x - start});
        }
    }
    return runs;
}

int channel(std::uint32_t pixel, int shift) { return static_cast<int>((pixel >> shift) & 0xFF); }

}  // namespace

std::vector<PixelRun> runsOutsideCornerKey(const PixelGrid& grid)
{
    if (!usable(grid)) return {};
    const std::uint32_t key = grid.pixels[0];
    return collectRuns(grid, [key](std::uint32_t pixel) { return pixel == key; });
}

std::vector<PixelRun> runsOutsideColourRange(const PixelGrid& grid, std::uint32_t transparent, int tolerance)
{
    const int spread = std::clamp(tolerance, 0, 255);
    const auto inRange = [spread](int value, int low) { return value >= low && value <= std::min(255, low + spread); };
    return collectRuns(grid, [&](std::uint32_t pixel) {
        if (channel(pixel, 24) == 0) return true;
        return inRange(channel(pixel, 16), channel(transparent, 16)) &&
               inRange(channel(pixel, 8), channel(transparent, 8)) &&
               inRange(channel(pixel, 0), channel(transparent, 0));
    });
}

}  // namespace option::skin
