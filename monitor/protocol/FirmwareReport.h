#pragma once
// Report 9: read, the mouse's firmware version; written, the command that brings
// back the factory settings.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "monitor/protocol/ProtocolConstants.h"

namespace monitor::protocol {

#pragma pack(push, 1)
struct FirmwareVersionWire {
    std::uint8_t ReportId;
    std::uint8_t Unused1;
    std::uint8_t Version;  // 107 is version 1.07
    std::uint8_t Unused3[3];
};

struct RestoreDefaultsWire {
    std::uint8_t ReportId;
    std::uint8_t Length;
    std::uint8_t Command;
    std::uint8_t Zero[3];
};
#pragma pack(pop)

static_assert(sizeof(FirmwareVersionWire) == length::kFirmware);
static_assert(offsetof(FirmwareVersionWire, Version) == 2);
static_assert(sizeof(RestoreDefaultsWire) == length::kFirmware);
static_assert(offsetof(RestoreDefaultsWire, Command) == 2);

inline constexpr std::uint8_t kRestoreDefaultsCommand = 0x0B;

std::uint8_t decodeFirmwareVersion(std::span<const std::uint8_t, length::kFirmware> report);

std::array<std::uint8_t, length::kFirmware> encodeRestoreDefaults();

}  // namespace monitor::protocol
