#include "upgrader/core/UpdateReports.h"

#include <algorithm>

namespace upgrader {
namespace {

constexpr std::size_t kCommandByte = offsetof(UpdateCommandReport, Command);
constexpr std::size_t kBlockDataOffset = offsetof(UpdateCommandReport, Payload);
constexpr std::size_t kStartSignatureOffset = 4;
constexpr std::size_t kSizeOffset = 4;
constexpr std::size_t kSizeSignatureOffset = 8;
constexpr std::size_t kPrepareMarkOffset = 4;
constexpr std::uint8_t kPrepareMark = 0xEC;
constexpr std::size_t kHeaderIndexOffset = 4;
constexpr std::size_t kHeaderChecksumOffset = 6;
constexpr std::size_t kHeaderSignatureOffset = 8;
constexpr std::size_t kStatusByte = 1;
constexpr std::size_t kVersionByte = 3;

// The signatures the mouse's update mode checks before it takes an image. They
// are put together here, at run time, rather than stored as one string.
std::array<std::uint8_t, 8> startSignature()
{
    std::array<std::uint8_t, 8> signature{};
    const char word[] = "ZNUPDATE";
    std::copy_n(word, signature.size(), signature.begin());
    return signature;
}

std::array<std::uint8_t, 4> transferSignature()
{
    const std::uint8_t first = 0x55;
    const auto second = static_cast<std::uint8_t>(~first);
    const auto third = static_cast<std::uint8_t>((first & 0xF0) | (second & 0x0F));
    return {first, second, third, static_cast<std::uint8_t>(~third)};
}

CommandBytes commandOf(std::uint8_t code)
{
    CommandBytes bytes{};
    bytes[0] = kUpdateCommandReport;
    bytes[kCommandByte] = code;
    return bytes;
}

void putLittleEndian(CommandBytes& bytes, std::size_t at, std::uint32_t value, std::size_t width)
{
    for (std::size_t i = 0; i < width; ++i)
        bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

template <std::size_t N>
void put(CommandBytes& bytes, std::size_t at, const std::array<std::uint8_t, N>& field)
{
    std::copy(field.begin(), field.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at));
}

}  // namespace

CommandBytes startCommand()
{
    CommandBytes bytes = commandOf(command::kStart);
    put(bytes, kStartSignatureOffset, startSignature());
    return bytes;
}

CommandBytes sizeCommand(std::uint32_t imageSize)
{
    CommandBytes bytes = commandOf(command::kSize);
    putLittleEndian(bytes, kSizeOffset, imageSize, 4);
    put(bytes, kSizeSignatureOffset, transferSignature());
    return bytes;
}

CommandBytes prepareCommand()
{
    CommandBytes bytes = commandOf(command::kPrepare);
    bytes[kPrepareMarkOffset] = kPrepareMark;
    return bytes;
}

CommandBytes blockHeaderCommand(std::uint16_t index, std::uint16_t checksum)
{
    CommandBytes bytes = commandOf(command::kBlockHeader);
    putLittleEndian(bytes, kHeaderIndexOffset, index, 2);
    putLittleEndian(bytes, kHeaderChecksumOffset, checksum, 2);
    put(bytes, kHeaderSignatureOffset, transferSignature());
    return bytes;
}

CommandBytes blockDataCommand(FirmwareBlock block)
{
    CommandBytes bytes = commandOf(command::kBlockData);
    std::copy(block.begin(), block.end(), bytes.begin() + kBlockDataOffset);
    return bytes;
}

CommandBytes finishCommand()
{
    return commandOf(command::kFinish);
}

std::optional<std::uint8_t> readUpdateStatus(UpdateDevice& device)
{
    std::array<std::uint8_t, kUpdateStatusLength> buffer{kUpdateStatusReport};
    if (!device.getFeature(buffer))
        return std::nullopt;
    return buffer[kStatusByte];
}

std::optional<std::uint8_t> readFirmwareVersion(UpdateDevice& device)
{
    std::array<std::uint8_t, kFirmwareVersionLength> buffer{kFirmwareVersionReport};
    if (!device.getFeature(buffer))
        return std::nullopt;
    return buffer[kVersionByte];
}

}  // namespace upgrader
