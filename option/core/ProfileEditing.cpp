#include "option/core/ProfileEditing.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>

#include "option/core/AdvancedPageRules.h"
#include "option/core/CpiLevelRows.h"
#include "option/core/LightingPalette.h"
#include "settings/ColorRecord.h"
#include "settings/StoreNames.h"

namespace option::core {
namespace {

using settings::ProfileRecord;
using settings::SettingsBlock;

static_assert(settings::kPaletteSwatchCount == kVisibleSwatchCount);

FieldRange carried() { return {}; }
FieldRange span(int min, int max) { return {RangeKind::Span, min, max, {}}; }

std::vector<SettingField> buildFields()
{
    std::vector<SettingField> fields;
    const auto block = [&](const char* key, std::size_t offset, FieldRange range) {
        fields.push_back({key, FieldScope::Block, FieldKind::Int32, offset, 4, range});
    };
    block("CurrentProfile", offsetof(SettingsBlock, CurrentProfile), span(0, settings::kProfileCount - 1));
    block("WindowsProfile", offsetof(SettingsBlock, WindowsProfile), span(-1, settings::kProfileCount - 1));
    block("QuickHelpLan", offsetof(SettingsBlock, QuickHelpLan), span(0, 16));
    block("LiftOnFlag", offsetof(SettingsBlock, LiftOnFlag), carried());
    block("TrackControlFlag", offsetof(SettingsBlock, TrackControlFlag), carried());
    block("MouseType", offsetof(SettingsBlock, MouseType), carried());
    // Changed only through the Padtune calibration, which talks to the mouse itself.
    block("DisControl", offsetof(SettingsBlock, DisControl), carried());

    for (const settings::ProfileField& field : settings::profileFields())
        if (field.kind != FieldKind::Button)
            fields.push_back({field.key, FieldScope::Profile, field.kind, field.offset, field.size, field.range,
                              field.element});
    return fields;
}

bool equalKeys(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && settings::sameStoreName(a, b);
}

std::optional<int> parseInteger(std::string_view text)
{
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::uint8_t* fieldAddress(SettingsBlock& block, int profile, const SettingField& field)
{
    auto* base = field.scope == FieldScope::Block ? reinterpret_cast<std::uint8_t*>(&block)
                                                  : reinterpret_cast<std::uint8_t*>(&block.Profiles[profile]);
    return base + field.offset;
}

const std::uint8_t* fieldAddress(const SettingsBlock& block, int profile, const SettingField& field)
{
    return fieldAddress(const_cast<SettingsBlock&>(block), profile, field);
}

std::int32_t readInt32(const std::uint8_t* at)
{
    std::int32_t value = 0;
    std::memcpy(&value, at, sizeof value);
    return value;
}

void writeInt32(std::uint8_t* at, std::int32_t value)
{
    std::memcpy(at, &value, sizeof value);
}

std::string refusedValue(const SettingField& field, std::string_view value)
{
    return field.key + "=" + std::string(value) + " refused: allowed " + allowedText(field);
}

// "R,G,B", each 0-255.
std::optional<Rgb> parseRgb(std::string_view text, const FieldRange& range)
{
    int parts[3] = {};
    for (int i = 0; i < 3; ++i) {
        const std::size_t comma = i < 2 ? text.find(',') : text.size();
        if (comma == std::string_view::npos)
            return std::nullopt;
        const std::optional<int> part = parseInteger(text.substr(0, comma));
        if (!part || *part < range.min || *part > range.max)
            return std::nullopt;
        parts[i] = *part;
        text.remove_prefix(std::min(text.size(), comma + 1));
    }
    return Rgb{static_cast<std::uint8_t>(parts[0]), static_cast<std::uint8_t>(parts[1]),
               static_cast<std::uint8_t>(parts[2])};
}

// The CPI fields change by the rules of the main settings page's level rows.
std::optional<CpiRowCommand> cpiRowCommandOf(const SettingField& field)
{
    if (field.key.starts_with("dpi"))
        return CpiRowCommand::Enable;
    if (field.key == "Cpi_X")
        return CpiRowCommand::Select;
    if (field.key.starts_with("CpiLevel_X"))
        return CpiRowCommand::XResolution;
    if (field.key.starts_with("CpiLevel_Y"))
        return CpiRowCommand::YResolution;
    if (field.key.starts_with("XYCpiFlag"))
        return CpiRowCommand::Link;
    return std::nullopt;
}

bool setCpiField(ProfileRecord& profile, const SettingField& field, CpiRowCommand command, int value,
                 std::string& refusal)
{
    const int level = command == CpiRowCommand::Select ? value : field.element;
    if (applyCpiRowCommand(profile, kFirstCpiRowId + level, static_cast<int>(command), value).applied)
        return true;
    if (command == CpiRowCommand::Select)
        refusal = "Cpi_X=" + std::to_string(value) + " refused: CPI level " + std::to_string(value) +
                  " is switched off (dpi" + std::to_string(value) + "=0)";
    else if (command == CpiRowCommand::Enable)
        refusal = field.key + "=0 refused: the active CPI level (Cpi_X) cannot be switched off";
    else
        refusal = refusedValue(field, std::to_string(value));
    return false;
}

}  // namespace

const std::vector<SettingField>& settingFields()
{
    static const std::vector<SettingField> fields = buildFields();
    return fields;
}

const SettingField* findSettingField(std::string_view key)
{
    for (const SettingField& field : settingFields())
        if (equalKeys(field.key, key))
            return &field;
    return nullptr;
}

std::string allowedText(const SettingField& field)
{
    const FieldRange& range = field.range;
    switch (range.kind) {
    case RangeKind::Carried:
        return "nothing: not editable";
    case RangeKind::Span:
    case RangeKind::Palette:
        return std::to_string(range.min) + " to " + std::to_string(range.max);
    case RangeKind::Rgb:
        return "R,G,B each " + std::to_string(range.min) + " to " + std::to_string(range.max);
    case RangeKind::Text:
        return "at most " + std::to_string(range.max) + " characters";
    case RangeKind::Values: {
        std::string list = "one of ";
        for (std::size_t i = 0; i < range.values.size(); ++i)
            list += (i ? ", " : "") + std::to_string(range.values[i]);
        return list;
    }
    }
    return {};
}

std::string fieldValueText(const SettingsBlock& block, int profile, const SettingField& field)
{
    if (field.scope == FieldScope::Profile && !settings::isValidProfileIndex(profile))
        return {};
    const std::uint8_t* at = fieldAddress(block, profile, field);
    switch (field.kind) {
    case FieldKind::Int32:
        return std::to_string(readInt32(at));
    case FieldKind::Byte:
        return std::to_string(*at);
    case FieldKind::Text:
        return std::string(reinterpret_cast<const char*>(at), strnlen(reinterpret_cast<const char*>(at), field.size));
    case FieldKind::Color: {
        std::string text;
        for (std::size_t i = 0; i < field.size; ++i)
            text += (i ? "," : "") + std::to_string(at[i]);
        return text;
    }
    case FieldKind::Button:
        break;
    }
    return {};
}

bool setSettingField(SettingsBlock& block, int profile, std::string_view key, std::string_view value,
                     std::string& refusal)
{
    const SettingField* field = findSettingField(key);
    if (!field) {
        refusal = std::string(key) + ": no such setting";
        return false;
    }
    if (field->scope == FieldScope::Profile && !settings::isValidProfileIndex(profile)) {
        refusal = field->key + " refused: profile " + std::to_string(profile) + " is outside 0 to 4";
        return false;
    }
    std::uint8_t* at = fieldAddress(block, profile, *field);
    switch (field->range.kind) {
    case RangeKind::Carried:
        refusal = field->key + " refused: not editable";
        return false;
    case RangeKind::Text:
        if (value.size() > static_cast<std::size_t>(field->range.max) ||
            value.find('\0') != std::string_view::npos) {
            refusal = field->key + " refused: allowed " + allowedText(*field);
            return false;
        }
        std::memset(at, 0, field->size);
        std::memcpy(at, value.data(), value.size());
        return true;
    case RangeKind::Rgb: {
        const std::optional<Rgb> color = parseRgb(value, field->range);
        if (!color) {
            refusal = refusedValue(*field, value);
            return false;
        }
        settings::ColorRecord record;
        std::memcpy(&record, at, sizeof record);
        record.Red = color->red;
        record.Green = color->green;
        record.Blue = color->blue;
        std::memcpy(at, &record, sizeof record);
        return true;
    }
    case RangeKind::Span:
    case RangeKind::Values:
    case RangeKind::Palette:
        break;
    }
    const std::optional<int> number = parseInteger(value);
    if (!number || !field->range.allows(*number)) {
        refusal = refusedValue(*field, value);
        return false;
    }
    if (field->scope == FieldScope::Block) {
        writeInt32(at, *number);
        return true;
    }
    ProfileRecord& record = block.Profiles[profile];
    if (const std::optional<CpiRowCommand> command = cpiRowCommandOf(*field))
        return setCpiField(record, *field, *command, *number, refusal);
    if (field->range.kind == RangeKind::Palette)
        choosePaletteSwatch(record, *number);
    else if (field->key == "AccelerationFlag")
        setAcceleration(record, *number == 1);
    else if (field->kind == FieldKind::Byte)
        *at = static_cast<std::uint8_t>(*number);
    else
        writeInt32(at, *number);
    return true;
}

bool selectProfile(SettingsBlock& block, int profile)
{
    if (!settings::isValidProfileIndex(profile))
        return false;
    block.CurrentProfile = profile;
    return true;
}

bool toggleWindowsProfileMarker(SettingsBlock& block, int profile)
{
    if (!settings::isValidProfileIndex(profile))
        return false;
    block.WindowsProfile = block.WindowsProfile == profile ? -1 : profile;
    return true;
}

bool setProfileNameAndGames(SettingsBlock& block, int profile, std::string_view name,
                            const std::vector<std::string>& gameFiles, std::string& refusal)
{
    if (!settings::isValidProfileIndex(profile)) {
        refusal = "profile " + std::to_string(profile) + " is outside 0 to 4";
        return false;
    }
    if (gameFiles.size() > static_cast<std::size_t>(settings::kGameFileCount)) {
        refusal = "at most 3 game files";
        return false;
    }
    const auto edited = std::make_unique<SettingsBlock>(block);
    bool ok = setSettingField(*edited, profile, "ProFileName", name, refusal);
    for (int i = 0; ok && i < settings::kGameFileCount; ++i) {
        const std::string path = static_cast<std::size_t>(i) < gameFiles.size() ? gameFiles[i] : std::string();
        ok = setSettingField(*edited, profile, "GameFile" + std::to_string(i), path, refusal);
    }
    if (ok)
        block.Profiles[profile] = edited->Profiles[profile];
    return ok;
}

}  // namespace option::core
