#include "monitor/protocol/ButtonTableReport.h"

#include <cstring>

#include "monitor/protocol/Checksum.h"
#include "monitor/protocol/SlotMap.h"
#include "monitor/protocol/WireBytes.h"

namespace monitor::protocol {
namespace {

// A key combination keeps its key in the first event's key byte and its modifier
// byte in the action byte after it; the event count 1 marks that a key was chosen.
constexpr std::uint16_t kKeyChosenMark = 1;

}  // namespace

std::array<std::uint8_t, length::kButtonTable> encodeButtonTable(std::uint8_t profileNumber,
                                                                 const settings::ProfileRecord& profile)
{
    ButtonTableWire wire{};
    wire.ReportId = report::kButtonTable;
    wire.Length = length::kButtonTable;
    wire.Profile = profileNumber;
    for (int button = 0; button < kDeviceButtonCount; ++button) {
        const settings::ButtonAssignment& slot = profile.MacroKeyInfo[*slotOfDeviceButton(button)];
        ButtonEntryWire& entry = wire.Buttons[button];
        entry.FunctionCode = slot.FunctionCode;
        if (slot.FunctionCode == kFunctionCodeKeyCombination) {
            entry.Modifier = slot.MacroEvents[0].Action;
            entry.Key = slot.MacroEvents[0].Key;
        }
    }
    auto bytes = toBytes(wire);
    storeChecksum(bytes);
    return bytes;
}

bool decodeButtonTable(std::span<const std::uint8_t, length::kButtonTable> report,
                       settings::ProfileRecord& profile)
{
    if (!checksumMatches(report))
        return false;
    const auto wire = fromBytes<ButtonTableWire>(report);
    for (int button = 0; button < kDeviceButtonCount; ++button) {
        settings::ButtonAssignment& slot = profile.MacroKeyInfo[*slotOfDeviceButton(button)];
        const ButtonEntryWire& entry = wire.Buttons[button];
        slot.FunctionCode = entry.FunctionCode;
        if (entry.FunctionCode != kFunctionCodeKeyCombination)
            continue;
        slot.MacroEvents[0].Action = entry.Modifier;
        slot.MacroEvents[0].Key = entry.Key;
        slot.MacroEventCount = kKeyChosenMark;
        std::memset(slot.DeviceName, 0, sizeof slot.DeviceName);
        std::memset(slot.MacroSetName, 0, sizeof slot.MacroSetName);
        std::memset(slot.MacroName, 0, sizeof slot.MacroName);
    }
    return true;
}

}  // namespace monitor::protocol
