#pragma once
// A firmware image as the upgrader sends it: the file's bytes in a zeroed buffer
// of 200 blocks of 1024 bytes, and the 16-bit sum of each block. The last block
// is padded with zeros.

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace upgrader {

inline constexpr std::size_t kFirmwareBlockSize = 1024;
inline constexpr std::size_t kFirmwareMaxBlocks = 200;
inline constexpr std::size_t kFirmwareMaxSize = kFirmwareBlockSize * kFirmwareMaxBlocks;

using FirmwareBlock = std::span<const std::uint8_t, kFirmwareBlockSize>;

class FirmwareImage {
public:
    // `bytes` must hold 1 to kFirmwareMaxSize bytes (makeFirmwareImage checks).
    explicit FirmwareImage(std::span<const std::uint8_t> bytes);

    std::uint32_t size() const { return size_; }
    // The blocks that go to the mouse: size / 1024, rounded up.
    std::size_t blockCount() const { return (size_ + kFirmwareBlockSize - 1) / kFirmwareBlockSize; }
    // Block `index` < kFirmwareMaxBlocks, zero past the image's end.
    FirmwareBlock block(std::size_t index) const;
    // The sum of block `index`'s 1024 bytes, modulo 65536.
    std::uint16_t checksum(std::size_t index) const { return checksums_.at(index); }
    const std::array<std::uint16_t, kFirmwareMaxBlocks>& checksumTable() const { return checksums_; }

private:
    std::vector<std::uint8_t> buffer_;
    std::array<std::uint16_t, kFirmwareMaxBlocks> checksums_{};
    std::uint32_t size_ = 0;
};

enum class ImageProblem {
    None,
    Unreadable,  // missing, not a regular file, or a read failed
    Empty,       // nothing to send
    TooLarge,    // more than kFirmwareMaxSize bytes
};

struct ImageLoad {
    ImageProblem problem = ImageProblem::None;
    std::unique_ptr<FirmwareImage> image;  // set exactly when problem is None
};

ImageLoad makeFirmwareImage(std::span<const std::uint8_t> bytes);
// Reads at most one byte more than an image may have, so a huge file is refused
// without being read whole.
ImageLoad loadFirmwareImage(const std::string& path);

const char* describe(ImageProblem problem);

}  // namespace upgrader
