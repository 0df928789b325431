#pragma once
// Report 15: the Padtune level and the decision on a fresh sensor calibration;
// read back, the level and the tracking flag.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "messages/MessageNumbers.h"
#include "monitor/protocol/ProtocolConstants.h"
#include "settings/SettingsBlock.h"

namespace monitor::protocol {

#pragma pack(push, 1)
struct TrackingWire {
    std::uint8_t ReportId;
    std::uint8_t Length;
    std::uint8_t DisControl;        // Padtune level 0-3
    std::uint8_t TrackControlFlag;  // written as kNoChange
    std::uint8_t Unused4;           // written as kNoChange
    std::uint8_t PadtuneDecision;
};
#pragma pack(pop)

static_assert(sizeof(TrackingWire) == length::kTracking);
static_assert(offsetof(TrackingWire, DisControl) == 2);
static_assert(offsetof(TrackingWire, TrackControlFlag) == 3);
static_assert(offsetof(TrackingWire, PadtuneDecision) == 5);

// Request codes of the calibration window.
namespace padtune_request = messages::padtune_request;

namespace padtune_decision {
inline constexpr std::uint8_t kDiscard = 0;
inline constexpr std::uint8_t kKeep = 1;
inline constexpr std::uint8_t kNoChange = 0xFF;
}  // namespace padtune_decision

// 254 keeps the calibration, 253 discards it, every other code changes nothing.
std::uint8_t padtuneDecisionOf(int requestCode);

std::array<std::uint8_t, length::kTracking> encodeTracking(std::int32_t disControl, int requestCode);

// Byte 2 into `DisControl`, byte 3 into `TrackControlFlag`.
void decodeTracking(std::span<const std::uint8_t, length::kTracking> report, settings::SettingsBlock& block);

}  // namespace monitor::protocol
