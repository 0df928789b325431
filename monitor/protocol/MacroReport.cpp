#include "monitor/protocol/MacroReport.h"

#include <algorithm>
#include <cstring>

#include "monitor/protocol/Checksum.h"
#include "monitor/protocol/WireBytes.h"

namespace monitor::protocol {
namespace {

// Bounded copy: stops at the first NUL, the rest stays zero.
template <std::size_t N>
void copyNameOut(std::uint8_t (&out)[kMacroNameBytes], const char (&field)[N])
{
    static_assert(N >= kMacroNameBytes);
    for (std::size_t i = 0; i < kMacroNameBytes && field[i] != '\0'; ++i)
        out[i] = static_cast<std::uint8_t>(field[i]);
}

// The 24 bytes as text, cut at the first NUL and stripped of trailing blanks.
template <std::size_t N>
void copyNameIn(char (&field)[N], const std::uint8_t (&in)[kMacroNameBytes])
{
    static_assert(N > kMacroNameBytes);
    std::size_t length = 0;
    while (length < kMacroNameBytes && in[length] != 0)
        ++length;
    while (length > 0 && in[length - 1] == ' ')
        --length;
    std::memset(field, 0, N);
    std::memcpy(field, in, length);
}

}  // namespace

std::optional<std::array<std::uint8_t, length::kMacro>> encodeMacro(std::uint8_t profileNumber,
                                                                    std::uint8_t deviceButton,
                                                                    const settings::ButtonAssignment& slot)
{
    if (slot.MacroEventCount > settings::kMaxMacroEvents)
        return std::nullopt;
    MacroWire wire{};
    wire.ReportId = report::kMacro;
    putLittleEndian16(wire.Length, static_cast<std::uint16_t>(length::kMacro));
    wire.Profile = profileNumber;
    wire.DeviceButton = deviceButton;
    wire.LoopCount = lowByte(slot.MacroLoopCount);
    copyNameOut(wire.DeviceName, slot.DeviceName);
    copyNameOut(wire.MacroSetName, slot.MacroSetName);
    copyNameOut(wire.MacroName, slot.MacroName);
    putLittleEndian16(wire.EventCount, slot.MacroEventCount);
    for (std::size_t i = 0; i < slot.MacroEventCount; ++i) {
        const settings::MacroEvent& event = slot.MacroEvents[i];
        std::uint8_t* out = wire.Events + i * kMacroEventBytes;
        out[0] = event.Key;
        out[1] = event.Action;
        out[2] = static_cast<std::uint8_t>(event.DelayMs & 0xFF);
        out[3] = static_cast<std::uint8_t>(event.DelayMs >> 8);
    }
    auto bytes = toBytes(wire);
    storeChecksum(bytes);
    return bytes;
}

bool decodeMacro(std::span<const std::uint8_t, length::kMacro> report, settings::ButtonAssignment& slot)
{
    if (!checksumMatches(report))
        return false;
    const auto wire = fromBytes<MacroWire>(report);
    const std::uint16_t eventCount = littleEndian16(wire.EventCount);
    // More events than the record holds cannot be stored; a part of the macro
    // would play as something else, so the whole report is refused.
    if (eventCount > settings::kMaxMacroEvents)
        return false;

    slot.SlotIndex = wire.DeviceButton;
    slot.FunctionCode = kFunctionCodeMacro;
    slot.MacroLoopCount = wire.LoopCount;
    copyNameIn(slot.DeviceName, wire.DeviceName);
    copyNameIn(slot.MacroSetName, wire.MacroSetName);
    copyNameIn(slot.MacroName, wire.MacroName);
    std::fill(std::begin(slot.MacroEvents), std::end(slot.MacroEvents), settings::MacroEvent{});
    slot.MacroEventCount = eventCount;
    for (std::size_t i = 0; i < eventCount; ++i) {
        const std::uint8_t* in = wire.Events + i * kMacroEventBytes;
        slot.MacroEvents[i].Key = in[0];
        slot.MacroEvents[i].Action = in[1];
        slot.MacroEvents[i].DelayMs = static_cast<std::uint16_t>(in[2] | (in[3] << 8));
    }
    return true;
}

}  // namespace monitor::protocol
