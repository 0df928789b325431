#pragma once
// Encoders and validating decoders of the three per-profile reports: settings
// (6), button table (7) and macro (8). A decoder yields nothing for a report the
// mouse refuses: wrong length, wrong length byte, profile or button out of
// range, bad checksum, more macro events than the mouse can hold.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "mousesim/MouseMemory.h"

namespace mousesim {

using Bytes = std::vector<std::uint8_t>;

struct ReceivedSettings {
    std::uint8_t profile = 0;
    ProfileSettings settings;
};

struct ReceivedButtonTable {
    std::uint8_t profile = 0;
    ButtonTable buttons{};
};

struct ReceivedMacro {
    std::uint8_t profile = 0;
    std::uint8_t button = 0;
    MacroBody body;
};

// Written colour bytes 26-28 are red, blue, green; the answer carries red,
// green, blue.
std::optional<ReceivedSettings> decodeSettingsReport(std::span<const std::uint8_t> report);
Bytes encodeSettingsReport(std::uint8_t profile, const ProfileSettings& settings);

std::optional<ReceivedButtonTable> decodeButtonTableReport(std::span<const std::uint8_t> report);
Bytes encodeButtonTableReport(std::uint8_t profile, const ButtonTable& buttons);

std::optional<ReceivedMacro> decodeMacroReport(std::span<const std::uint8_t> report);
Bytes encodeMacroReport(std::uint8_t profile, std::uint8_t button, const MacroBody& body);

std::uint16_t macroEventCount(const MacroBody& body);

}  // namespace mousesim
