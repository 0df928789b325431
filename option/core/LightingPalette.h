#pragma once
// The lighting page's colours: the 33-entry palette (the colour written into the
// profile and sent to the mouse, and the colour its swatch shows), choosing a
// swatch, the custom colour, and the colour indicator the main window shows
// beside each profile slot.
#include <cstdint>
#include <optional>
#include <span>

#include "settings/ProfileRecord.h"

namespace option::core {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

struct PaletteEntry {
    Rgb stored;  // into the ColorRecord, and so to the mouse
    Rgb shown;   // on the swatch and the colour indicator
};

// Swatches 0-15 are shown on the page; 16-32 exist without a size.
inline constexpr int kPaletteSize = 33;
inline constexpr int kVisibleSwatchCount = 16;

std::span<const PaletteEntry> lightingPalette();
// nullopt for an index outside 0-32.
std::optional<PaletteEntry> paletteEntry(int index);

// The swatch's index and stored colour into the first `LightInfo` record, or
// into all four when `UseColorForAll` is 1 (their on bytes stay); the palette
// becomes the colour choice. False, with nothing changed, outside 0-32.
bool choosePaletteSwatch(settings::ProfileRecord& profile, int index);
// The swatch marked on the page: byte 0 of the first `LightInfo` record, none
// when it lies outside the palette.
std::optional<int> markedSwatch(const settings::ProfileRecord& profile);

// The custom colour is the first `CustomLightInfo` record's red, green, blue.
Rgb customColor(const settings::ProfileRecord& profile);
void setCustomColor(settings::ProfileRecord& profile, Rgb color);

// The red, green and blue spins (identifiers 500, 501, 502), 0-255 each.
inline constexpr int kRedSpinId = 500;
inline constexpr int kGreenSpinId = 501;
inline constexpr int kBlueSpinId = 502;
// False, with nothing changed, for another spin or a value outside 0-255.
bool setCustomColorComponent(settings::ProfileRecord& profile, int spinId, int value);

// The colour beside a profile slot: black while its lights are off, the custom
// colour when that is chosen, else the shown colour of the palette entry of the
// first `LightInfo` record (its own colour when the index is outside the
// palette).
Rgb colorIndicator(const settings::ProfileRecord& profile);

}  // namespace option::core
