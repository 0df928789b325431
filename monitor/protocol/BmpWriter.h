#pragma once
// The headers of an 8-bit Windows bitmap with a grey palette: file header,
// information header, 256 palette entries; the pixel rows follow.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace monitor::protocol {

inline constexpr std::size_t kBmpFileHeaderSize = 14;
inline constexpr std::size_t kBmpInfoHeaderSize = 40;
inline constexpr std::size_t kBmpPaletteSize = 256 * 4;
inline constexpr std::size_t kBmpPixelOffset = kBmpFileHeaderSize + kBmpInfoHeaderSize + kBmpPaletteSize;

// Rows are padded to a multiple of four bytes.
constexpr std::size_t bmpRowStride(int width)
{
    return (static_cast<std::size_t>(width) + 3) / 4 * 4;
}

// The 1078 header bytes of a bottom-up 8-bit bitmap of `width` x `height`.
std::vector<std::uint8_t> encodeGreyBitmapHeader(int width, int height);

}  // namespace monitor::protocol
