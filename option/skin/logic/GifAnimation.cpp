#include "option/skin/logic/GifAnimation.h"

#include <string_view>

namespace option::skin {
namespace {

constexpr std::size_t kHeaderSize = 13;  // signature, version, logical screen descriptor
constexpr std::uint8_t kGlobalTableFlag = 0x80;
constexpr std::uint8_t kTableSizeBits = 0x07;

int littleEndian16(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return bytes[at] | (bytes[at + 1] << 8);
}

}  // namespace

std::optional<GifScreen> readGifScreen(std::span<const std::uint8_t> file)
{
    if (file.size() < kHeaderSize) return std::nullopt;
    const std::string_view signature(reinterpret_cast<const char*>(file.data()), 6);
    if (signature != "GIF89a" && signature != "GIF87a") return std::nullopt;

    GifScreen screen;
    screen.width = littleEndian16(file, 6);
    screen.height = littleEndian16(file, 8);
    const std::uint8_t flags = file[10];
    const std::size_t backgroundIndex = file[11];
    if (flags & kGlobalTableFlag) {
        const std::size_t entries = std::size_t{2} << (flags & kTableSizeBits);
        const std::size_t entry = kHeaderSize + 3 * backgroundIndex;
        if (backgroundIndex < entries && entry + 3 <= file.size())
            screen.background = 0xFF000000u | (std::uint32_t{file[entry]} << 16) |
                                (std::uint32_t{file[entry + 1]} << 8) | file[entry + 2];
    }
    return screen;
}

int frameMilliseconds(int delayHundredths)
{
    return delayHundredths <= kShortestFrameDelay ? kShortFrameMilliseconds : delayHundredths * 10;
}

}  // namespace option::skin
