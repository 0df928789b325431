#pragma once
// Report 16: settings relayed from the Parley software (form A) and from its
// ambient-light events (form B).

#include <array>
#include <cstddef>
#include <cstdint>

#include "monitor/protocol/ProtocolConstants.h"

namespace monitor::protocol {

// The ambient-light state as the Parley side hands it over: a 32-bit mode word
// first, then the values form B carries. Zeros until Parley fills it.
struct AmbientLightState {
    static constexpr std::size_t kSize = 18;
    static constexpr std::size_t kModeWordOffset = 0;
    std::uint8_t bytes[kSize] = {};

    std::uint32_t modeWord() const;
};

#pragma pack(push, 1)
struct ParleyStateWire {
    std::uint8_t ReportId;
    std::uint8_t Length;
    std::uint8_t Command[3];  // 0xFF leaves that setting unchanged
    std::uint8_t AmbientMarker;
    std::uint8_t AmbientMode;
    std::uint8_t AmbientOn;
    std::uint8_t AmbientValues[8];
};
#pragma pack(pop)

static_assert(sizeof(ParleyStateWire) == length::kParleyState);
static_assert(offsetof(ParleyStateWire, Command) == 2);
static_assert(offsetof(ParleyStateWire, AmbientMarker) == 5);
static_assert(offsetof(ParleyStateWire, AmbientMode) == 6);
static_assert(offsetof(ParleyStateWire, AmbientValues) == 8);

inline constexpr std::uint8_t kParleyUnchanged = 0xFF;

// Form A: the three command bytes of a Parley status message.
std::array<std::uint8_t, length::kParleyState> encodeParleyState(std::uint8_t a, std::uint8_t b, std::uint8_t c);

// Form B: mode 3 when the mode word is 1, else 4, then eight bytes of the state.
std::array<std::uint8_t, length::kParleyState> encodeAmbientLight(const AmbientLightState& state);

}  // namespace monitor::protocol
