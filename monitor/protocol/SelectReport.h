#pragma once
// Report 4 written: the select request that chooses what the next read of report
// 6, 7 or 8 answers. (Read, report 4 is the status the handshake polls.)

#include <array>
#include <cstddef>
#include <cstdint>

#include "monitor/protocol/ProtocolConstants.h"

namespace monitor::protocol {

#pragma pack(push, 1)
struct SelectRequestWire {
    std::uint8_t ReportId;
    std::uint8_t Profile;  // 0-4; this report carries no length byte
    std::uint8_t Item;     // select_item, or a device button 0-17 for its macro
};
#pragma pack(pop)

static_assert(sizeof(SelectRequestWire) == length::kSelect);
static_assert(offsetof(SelectRequestWire, Profile) == 1);
static_assert(offsetof(SelectRequestWire, Item) == 2);

std::array<std::uint8_t, length::kSelect> encodeSelectRequest(std::uint8_t profile, std::uint8_t item);

}  // namespace monitor::protocol
