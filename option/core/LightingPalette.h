#pragma once
// The lighting page's colour table: 33 entries, each with the colour written
// into a profile (and so sent to the mouse) and the colour its swatch shows.
// Entries 0-15 have visible swatches and show what they store.
#include <array>
#include <cstdint>
#include <optional>

namespace option::core {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    bool operator==(const Rgb&) const = default;
};

struct PaletteEntry {
    Rgb stored;
    Rgb shown;
};

inline constexpr int kPaletteSize = 33;
inline constexpr int kVisiblePaletteSwatches = 16;

const std::array<PaletteEntry, kPaletteSize>& lightingPalette();

// The entry at `index`, or nullopt outside 0-32 (the index comes from a file or
// the mouse).
std::optional<PaletteEntry> paletteEntry(int index);

}  // namespace option::core
