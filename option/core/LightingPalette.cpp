#include "option/core/LightingPalette.h"

namespace option::core {
namespace {

constexpr PaletteEntry same(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    return {{red, green, blue}, {red, green, blue}};
}

constexpr PaletteEntry kPalette[] = {
    same(5, 144, 254),   same(0, 113, 255),  same(0, 0, 255),     same(92, 24, 230),
    same(129, 24, 230),  same(197, 24, 230), same(248, 4, 124),   same(255, 0, 0),
    same(247, 121, 0),   same(231, 220, 0),  same(194, 242, 8),   same(0, 255, 0),
    same(24, 166, 42),   same(19, 236, 150), same(13, 226, 217),  same(0, 190, 244),
    {{0, 250, 250}, {1, 203, 207}},      {{200, 250, 250}, {107, 225, 227}},
    {{0, 150, 250}, {41, 197, 254}},     {{0, 100, 250}, {38, 162, 234}},
    {{100, 100, 250}, {100, 158, 240}},  {{0, 50, 250}, {38, 132, 232}},
    {{0, 25, 250}, {0, 72, 255}},        {{0, 0, 250}, {14, 15, 255}},
    {{0, 0, 125}, {15, 15, 189}},        {{35, 0, 250}, {89, 7, 255}},
    {{100, 0, 250}, {121, 12, 255}},     {{250, 0, 250}, {160, 12, 254}},
    {{155, 50, 250}, {170, 108, 231}},   {{155, 0, 100}, {182, 10, 216}},
    {{250, 0, 100}, {201, 12, 254}},     {{250, 0, 50}, {206, 10, 218}},
    {{250, 0, 25}, {217, 10, 126}},
};
static_assert(std::size(kPalette) == kPaletteSize);

constexpr int kLightsOffEffect = 0;

Rgb colorOf(const settings::ColorRecord& record)
{
    return {record.Red, record.Green, record.Blue};
}

void putColor(settings::ColorRecord& record, Rgb color)
{
    record.Red = color.red;
    record.Green = color.green;
    record.Blue = color.blue;
}

}  // namespace

std::span<const PaletteEntry> lightingPalette()
{
    return kPalette;
}

std::optional<PaletteEntry> paletteEntry(int index)
{
    if (index < 0 || index >= kPaletteSize)
        return std::nullopt;
    return kPalette[index];
}

bool choosePaletteSwatch(settings::ProfileRecord& profile, int index)
{
    const std::optional<PaletteEntry> entry = paletteEntry(index);
    if (!entry)
        return false;
    const int records = profile.UseColorForAll == 1 ? settings::kColorRecordCount : 1;
    for (int i = 0; i < records; ++i) {
        profile.LightInfo[i].TableIndex = static_cast<std::uint8_t>(index);
        putColor(profile.LightInfo[i], entry->stored);
    }
    profile.LtChoseType = 0;
    return true;
}

std::optional<int> markedSwatch(const settings::ProfileRecord& profile)
{
    const int index = profile.LightInfo[0].TableIndex;
    if (index >= kPaletteSize)
        return std::nullopt;
    return index;
}

Rgb customColor(const settings::ProfileRecord& profile)
{
    return colorOf(profile.CustomLightInfo[0]);
}

void setCustomColor(settings::ProfileRecord& profile, Rgb color)
{
    putColor(profile.CustomLightInfo[0], color);
}

bool setCustomColorComponent(settings::ProfileRecord& profile, int spinId, int value)
{
    if (value < 0 || value > 255)
        return false;
    settings::ColorRecord& record = profile.CustomLightInfo[0];
    const auto component = static_cast<std::uint8_t>(value);
    switch (spinId) {
    case kRedSpinId:
        record.Red = component;
        return true;
    case kGreenSpinId:
        record.Green = component;
        return true;
    case kBlueSpinId:
        record.Blue = component;
        return true;
    default:
        return false;
    }
}

Rgb colorIndicator(const settings::ProfileRecord& profile)
{
    if (profile.LightEffectType == kLightsOffEffect)
        return {};
    if (profile.LtChoseType != 0)
        return customColor(profile);
    if (const std::optional<int> swatch = markedSwatch(profile))
        return kPalette[*swatch].shown;
    return colorOf(profile.LightInfo[0]);
}

}  // namespace option::core
