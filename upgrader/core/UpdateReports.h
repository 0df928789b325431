#pragma once
// The mouse's update mode over feature reports: commands go out as report 27,
// always 1026 bytes, zero apart from the command's fields; the outcome of the
// last command is read as report 28. The mouse's firmware version is read from
// report 9.
//
//   byte 0   report ID 27
//   byte 1   command: start 0x00, size 0x01, prepare 0x02, block header 0x03,
//            block data 0x04, finish 0x0F
//   start         bytes 4-11  the start signature
//   size          bytes 4-7   image size (little-endian), bytes 8-11 the transfer signature
//   prepare       byte 4      0xEC
//   block header  bytes 4-5   block index, bytes 6-7 block sum (both little-endian),
//                 bytes 8-11  the transfer signature
//   block data    bytes 2-1025 the block

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "upgrader/core/FirmwareImage.h"
#include "upgrader/core/UpdateDevice.h"

namespace upgrader {

inline constexpr std::uint8_t kUpdateCommandReport = 0x1B;
inline constexpr std::uint8_t kUpdateStatusReport = 0x1C;
inline constexpr std::size_t kUpdateCommandLength = 1026;
inline constexpr std::size_t kUpdateStatusLength = 3;
inline constexpr std::uint8_t kFirmwareVersionReport = 9;
inline constexpr std::size_t kFirmwareVersionLength = 6;

namespace command {
inline constexpr std::uint8_t kStart = 0x00;
inline constexpr std::uint8_t kSize = 0x01;
inline constexpr std::uint8_t kPrepare = 0x02;
inline constexpr std::uint8_t kBlockHeader = 0x03;
inline constexpr std::uint8_t kBlockData = 0x04;
inline constexpr std::uint8_t kFinish = 0x0F;
}  // namespace command

// Byte 1 of report 28.
namespace status {
inline constexpr std::uint8_t kSuccess = 1;
inline constexpr std::uint8_t kBusy = 3;    // poll again
inline constexpr std::uint8_t kRepeat = 4;  // send the command again
}  // namespace status

#pragma pack(push, 1)
struct UpdateCommandReport {
    std::uint8_t ReportId;
    std::uint8_t Command;
    std::uint8_t Payload[1024];  // block data; the other commands use bytes 2-9 of it
};
#pragma pack(pop)
static_assert(sizeof(UpdateCommandReport) == kUpdateCommandLength);
static_assert(offsetof(UpdateCommandReport, Command) == 1);
static_assert(offsetof(UpdateCommandReport, Payload) == 2);
static_assert(sizeof(UpdateCommandReport::Payload) == kFirmwareBlockSize);

using CommandBytes = std::array<std::uint8_t, kUpdateCommandLength>;

CommandBytes startCommand();
CommandBytes sizeCommand(std::uint32_t imageSize);
CommandBytes prepareCommand();
CommandBytes blockHeaderCommand(std::uint16_t index, std::uint16_t checksum);
CommandBytes blockDataCommand(FirmwareBlock block);
CommandBytes finishCommand();

// Byte 1 of report 28; nothing when the read fails.
std::optional<std::uint8_t> readUpdateStatus(UpdateDevice& device);
// Byte 3 of report 9; nothing when the read fails.
std::optional<std::uint8_t> readFirmwareVersion(UpdateDevice& device);

}  // namespace upgrader
