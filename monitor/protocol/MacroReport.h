#pragma once
// Report 8: the name fields and event list of one macro button.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "monitor/protocol/ProtocolConstants.h"
#include "settings/ButtonAssignment.h"

namespace monitor::protocol {

inline constexpr std::size_t kMacroNameBytes = 24;
inline constexpr std::size_t kMacroEventBytes = sizeof(settings::MacroEvent);
inline constexpr std::size_t kMacroEventSpace = settings::kMaxMacroEvents * kMacroEventBytes;

#pragma pack(push, 1)
struct MacroWire {
    std::uint8_t ReportId;
    std::uint8_t Length[2];
    std::uint8_t Profile;
    std::uint8_t DeviceButton;
    std::uint8_t LoopCount;
    std::uint8_t DeviceName[kMacroNameBytes];
    std::uint8_t MacroSetName[kMacroNameBytes];
    std::uint8_t MacroName[kMacroNameBytes];
    std::uint8_t EventCount[2];
    std::uint8_t Events[kMacroEventSpace];  // key, action, delay low, delay high
    std::uint8_t Checksum[2];
};
#pragma pack(pop)

static_assert(sizeof(MacroWire) == length::kMacro);
static_assert(offsetof(MacroWire, Length) == 1);
static_assert(offsetof(MacroWire, Profile) == 3);
static_assert(offsetof(MacroWire, DeviceButton) == 4);
static_assert(offsetof(MacroWire, LoopCount) == 5);
static_assert(offsetof(MacroWire, DeviceName) == 6);
static_assert(offsetof(MacroWire, MacroSetName) == 30);
static_assert(offsetof(MacroWire, MacroName) == 54);
static_assert(offsetof(MacroWire, EventCount) == 78);
static_assert(offsetof(MacroWire, Events) == 80);
static_assert(offsetof(MacroWire, Checksum) == 2080);

// Nothing when the slot's event count exceeds the 500 events a report can hold.
std::optional<std::array<std::uint8_t, length::kMacro>> encodeMacro(std::uint8_t profileNumber,
                                                                    std::uint8_t deviceButton,
                                                                    const settings::ButtonAssignment& slot);

// Stores the macro into `slot`. False, and nothing stored, when the checksum does
// not match or the event count exceeds 500.
bool decodeMacro(std::span<const std::uint8_t, length::kMacro> report, settings::ButtonAssignment& slot);

}  // namespace monitor::protocol
