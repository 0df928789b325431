#include "monitor/protocol/ParleyStateReport.h"

#include "monitor/protocol/WireBytes.h"

namespace monitor::protocol {
namespace {

constexpr std::uint8_t kFormAMarker = 0xFF;
constexpr std::uint8_t kFormBMarker = 0x01;
constexpr std::uint8_t kAmbientModeWhenOne = 3;
constexpr std::uint8_t kAmbientModeOtherwise = 4;
constexpr std::uint8_t kAmbientOn = 0x01;
// Where the eight carried values sit in the ambient-light state.
constexpr std::size_t kAmbientValueOffsets[8] = {4, 8, 12, 13, 14, 15, 16, 17};

ParleyStateWire header()
{
    ParleyStateWire wire{};
    wire.ReportId = report::kParleyState;
    wire.Length = length::kParleyState;
    return wire;
}

}  // namespace

std::uint32_t AmbientLightState::modeWord() const
{
    std::uint32_t word = 0;
    for (std::size_t i = 0; i < 4; ++i)
        word |= std::uint32_t{bytes[kModeWordOffset + i]} << (8 * i);
    return word;
}

std::array<std::uint8_t, length::kParleyState> encodeParleyState(std::uint8_t a, std::uint8_t b, std::uint8_t c)
{
    ParleyStateWire wire = header();
    wire.Command[0] = a;
    wire.Command[1] = b;
    wire.Command[2] = c;
    wire.AmbientMarker = kFormAMarker;
    return toBytes(wire);
}

std::array<std::uint8_t, length::kParleyState> encodeAmbientLight(const AmbientLightState& state)
{
    ParleyStateWire wire = header();
    wire.Command[0] = kParleyUnchanged;
    wire.Command[1] = kParleyUnchanged;
    wire.Command[2] = kParleyUnchanged;
    wire.AmbientMarker = kFormBMarker;
    wire.AmbientMode = state.modeWord() == 1 ? kAmbientModeWhenOne : kAmbientModeOtherwise;
    wire.AmbientOn = kAmbientOn;
    for (std::size_t i = 0; i < std::size(kAmbientValueOffsets); ++i)
        wire.AmbientValues[i] = state.bytes[kAmbientValueOffsets[i]];
    return toBytes(wire);
}

}  // namespace monitor::protocol
