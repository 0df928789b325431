#include "monitor/protocol/BmpWriter.h"

namespace monitor::protocol {
namespace {

constexpr std::uint16_t kBitsPerPixel = 8;
constexpr std::uint32_t kPaletteEntries = 256;
constexpr std::uint32_t kPixelsPerMetre = 2835;  // 72 dots per inch

void put16(std::vector<std::uint8_t>& out, std::uint16_t value)
{
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>((value >> shift) & 0xFF));
}

}  // namespace

std::vector<std::uint8_t> encodeGreyBitmapHeader(int width, int height)
{
    const auto imageSize = static_cast<std::uint32_t>(bmpRowStride(width) * static_cast<std::size_t>(height));
    std::vector<std::uint8_t> out;
    out.reserve(kBmpPixelOffset);
    // File header.
    out.push_back('B');
    out.push_back('M');
    put32(out, static_cast<std::uint32_t>(kBmpPixelOffset) + imageSize);
    put32(out, 0);  // reserved
    put32(out, static_cast<std::uint32_t>(kBmpPixelOffset));
    // Information header.
    put32(out, static_cast<std::uint32_t>(kBmpInfoHeaderSize));
    put32(out, static_cast<std::uint32_t>(width));
    put32(out, static_cast<std::uint32_t>(height));
    put16(out, 1);  // planes
    put16(out, kBitsPerPixel);
    put32(out, 0);  // no compression
    put32(out, imageSize);
    put32(out, kPixelsPerMetre);
    put32(out, kPixelsPerMetre);
    put32(out, kPaletteEntries);
    put32(out, 0);  // all colors important
    // Palette: blue, green, red, reserved.
    for (std::uint32_t grey = 0; grey < kPaletteEntries; ++grey) {
        const auto level = static_cast<std::uint8_t>(grey);
        out.insert(out.end(), {level, level, level, 0});
    }
    return out;
}

}  // namespace monitor::protocol
