#include "upgrader/core/FirmwareImage.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace upgrader {

FirmwareImage::FirmwareImage(std::span<const std::uint8_t> bytes)
    : buffer_(kFirmwareMaxSize, 0), size_(static_cast<std::uint32_t>(std::min(bytes.size(), kFirmwareMaxSize)))
{
    std::copy_n(bytes.begin(), size_, buffer_.begin());
    // Only the blocks there are: a full 200-block image has no block 200 to sum.
    const std::size_t summed = std::min(size_ / kFirmwareBlockSize + 1, kFirmwareMaxBlocks);
    for (std::size_t index = 0; index < summed; ++index) {
        unsigned sum = 0;
        for (std::uint8_t byte : block(index))
            sum += byte;
        checksums_[index] = static_cast<std::uint16_t>(sum);
    }
}

FirmwareBlock FirmwareImage::block(std::size_t index) const
{
    return FirmwareBlock(buffer_.data() + std::min(index, kFirmwareMaxBlocks - 1) * kFirmwareBlockSize,
                         kFirmwareBlockSize);
}

ImageLoad makeFirmwareImage(std::span<const std::uint8_t> bytes)
{
    ImageLoad load;
    if (bytes.empty())
        load.problem = ImageProblem::Empty;
    else if (bytes.size() > kFirmwareMaxSize)
        load.problem = ImageProblem::TooLarge;
    else
        load.image = std::make_unique<FirmwareImage>(bytes);
    return load;
}

ImageLoad loadFirmwareImage(const std::string& path)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return {ImageProblem::Unreadable, nullptr};
    std::ifstream file(path, std::ios::binary);
    std::vector<std::uint8_t> bytes(kFirmwareMaxSize + 1);
    file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (file.bad() || (!file && !file.eof()))
        return {ImageProblem::Unreadable, nullptr};
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    return makeFirmwareImage(bytes);
}

const char* describe(ImageProblem problem)
{
    switch (problem) {
        case ImageProblem::None: return "ready";
        case ImageProblem::Unreadable: return "cannot be read";
        case ImageProblem::Empty: return "is empty";
        case ImageProblem::TooLarge: return "is larger than 204800 bytes";
    }
    return "?";
}

}  // namespace upgrader
