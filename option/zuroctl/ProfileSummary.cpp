#include "ProfileSummary.h"

#include <array>
#include <cstdio>
#include <string_view>

#include "option/core/AdvancedPageRules.h"
#include "option/core/LightingPalette.h"
#include "settings/FixedText.h"
#include "settings/SlotCaption.h"

namespace zuroctl {
namespace {

constexpr int kCpiUnit = 100;  // CPI levels are stored in hundreds
constexpr int kNormalLayerSlots = settings::kButtonSlotCount / 2;
constexpr std::array<std::string_view, 5> kEffectNames = {"off", "full", "breathing", "blinking", "heartbeat"};

std::string cpiText(int hundreds)
{
    return hundreds > 0 ? std::to_string(hundreds * kCpiUnit) : "unset (" + std::to_string(hundreds) + ")";
}

std::string levelText(const settings::ProfileRecord& record, int level)
{
    std::string text = cpiText(record.CpiLevel_X[level]);
    if (record.CpiLevel_Y[level] != record.CpiLevel_X[level])
        text += " x " + cpiText(record.CpiLevel_Y[level]);
    return text + " cpi";
}

std::string pollingText(int code)
{
    const auto& rates = option::core::kPollingRateButtons;
    if (code < 0 || code >= static_cast<int>(rates.size()))
        return "unknown (code " + std::to_string(code) + ")";
    return std::string(rates[static_cast<std::size_t>(code)]);
}

std::string colorText(const settings::ProfileRecord& record)
{
    const option::core::Rgb color = option::core::colorIndicator(record);
    char hex[8];
    std::snprintf(hex, sizeof hex, "#%02x%02x%02x", color.red, color.green, color.blue);
    std::string text = hex;
    if (record.LtChoseType != 0)
        return text + " (custom)";
    if (const std::optional<int> swatch = option::core::markedSwatch(record))
        return text + " (palette " + std::to_string(*swatch) + ")";
    return text;
}

std::string lightingText(const settings::ProfileRecord& record)
{
    const int type = record.LightEffectType;
    if (type < 0 || type >= static_cast<int>(kEffectNames.size()))
        return "unknown effect (" + std::to_string(type) + ")";
    if (type == 0)
        return std::string(kEffectNames[0]);
    return std::string(kEffectNames[static_cast<std::size_t>(type)]) + ", colour " + colorText(record);
}

}  // namespace

std::string profileSummary(const settings::SettingsBlock& block, int profile, const platform::KeyboardLayout& layout)
{
    const settings::ProfileRecord& record = block.Profiles[profile];
    std::string text = "Profile " + std::to_string(profile) + ": " + std::string(settings::fieldText(record.ProFileName));
    std::string states;
    if (block.CurrentProfile == profile)
        states = "active";
    if (block.WindowsProfile == profile)
        states += std::string(states.empty() ? "" : ", ") + "Windows profile";
    text += states.empty() ? "\n" : " (" + states + ")\n";

    text += "  Resolutions:\n";
    for (int level = 0; level < settings::kCpiLevelCount; ++level)
        text += "    " + std::to_string(level) + ": " + levelText(record, level) +
                (record.Cpi_X == level ? " (current)" : "") + "\n";
    if (record.Cpi_X < 0 || record.Cpi_X >= settings::kCpiLevelCount)
        text += "    current level unknown (" + std::to_string(record.Cpi_X) + ")\n";
    text += "  Polling rate: " + pollingText(record.PollingRate) + "\n";
    text += "  Lighting: " + lightingText(record) + "\n";

    text += "  Buttons:\n";
    for (int slot = 0; slot < settings::kButtonSlotCount; ++slot) {
        if (slot == kNormalLayerSlots)
            text += "  Dualkey layer:\n";
        text += "    " + std::to_string(slot) + ": " +
                settings::slotCaption(record.MacroKeyInfo[slot], record, layout) + "\n";
    }
    return text;
}

}  // namespace zuroctl
