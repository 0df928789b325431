#pragma once
// Report 7: the function codes of the 18 device buttons of one profile. A key
// combination (code 5) carries its modifier byte and key along.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "monitor/protocol/ProtocolConstants.h"
#include "settings/ProfileRecord.h"

namespace monitor::protocol {

#pragma pack(push, 1)
struct ButtonEntryWire {
    std::uint8_t FunctionCode;
    std::uint8_t Modifier;  // key combination only, else 0
    std::uint8_t Key;       // key combination only, else 0
};

struct ButtonTableWire {
    std::uint8_t ReportId;
    std::uint8_t Length;
    std::uint8_t Profile;
    ButtonEntryWire Buttons[kDeviceButtonCount];
    std::uint8_t Checksum[2];
};
#pragma pack(pop)

static_assert(sizeof(ButtonEntryWire) == 3);
static_assert(sizeof(ButtonTableWire) == length::kButtonTable);
static_assert(offsetof(ButtonTableWire, Profile) == 2);
static_assert(offsetof(ButtonTableWire, Buttons) == 3);
static_assert(offsetof(ButtonTableWire, Checksum) == 57);

std::array<std::uint8_t, length::kButtonTable> encodeButtonTable(std::uint8_t profileNumber,
                                                                 const settings::ProfileRecord& profile);

// Stores the codes of the mapped slots; a key-combination slot also gets its key,
// modifier, the key-chosen mark and empty names. False, and nothing stored, when
// the checksum does not match.
bool decodeButtonTable(std::span<const std::uint8_t, length::kButtonTable> report,
                       settings::ProfileRecord& profile);

}  // namespace monitor::protocol
