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
#include "settings/SliderPositions.h"
#include "settings/StoreNames.h"

namespace option::core {
namespace {

using settings::ProfileRecord;
using settings::SettingsBlock;

// The trails check box's two values.
constexpr int kTrailsValues[] = {kTrailsOff, kTrailsOn};

FieldRule readOnly() { return {}; }
FieldRule range(int min, int max) { return {RuleKind::Range, min, max, {}}; }
FieldRule flag() { return range(0, 1); }
FieldRule values(std::span<const int> list) { return {RuleKind::Values, 0, 0, list}; }
FieldRule text(int maxLength) { return {RuleKind::Text, 0, maxLength, {}}; }

std::vector<SettingField> buildFields()
{
    std::vector<SettingField> fields;
    const auto block = [&](const char* key, std::size_t offset, FieldRule rule) {
        fields.push_back({key, FieldScope::Block, FieldKind::Int32, offset, 4, rule});
    };
    const auto profile = [&](std::string key, FieldKind kind, std::size_t offset, std::size_t size, FieldRule rule,
                             int element = -1) {
        fields.push_back({std::move(key), FieldScope::Profile, kind, offset, size, rule, element});
    };
    const auto int32 = [&](const char* key, std::size_t offset, FieldRule rule) {
        profile(key, FieldKind::Int32, offset, 4, rule);
    };
    const auto indexed = [](const char* stem, int index) { return std::string(stem) + std::to_string(index); };

    block("CurrentProfile", offsetof(SettingsBlock, CurrentProfile), range(0, settings::kProfileCount - 1));
    block("WindowsProfile", offsetof(SettingsBlock, WindowsProfile), range(-1, settings::kProfileCount - 1));
    block("QuickHelpLan", offsetof(SettingsBlock, QuickHelpLan), range(0, 16));
    block("LiftOnFlag", offsetof(SettingsBlock, LiftOnFlag), readOnly());
    block("TrackControlFlag", offsetof(SettingsBlock, TrackControlFlag), readOnly());
    block("MouseType", offsetof(SettingsBlock, MouseType), readOnly());
    // Changed only through the Padtune calibration, which talks to the mouse itself.
    block("DisControl", offsetof(SettingsBlock, DisControl), readOnly());

    profile("ProFileName", FieldKind::Text, offsetof(ProfileRecord, ProFileName), settings::kProfileNameSize,
            text(static_cast<int>(kMaxProfileNameLength)));
    const std::size_t gameFiles[] = {offsetof(ProfileRecord, GameFile0), offsetof(ProfileRecord, GameFile1),
                                     offsetof(ProfileRecord, GameFile2)};
    for (int i = 0; i < settings::kGameFileCount; ++i)
        profile(indexed("GameFile", i), FieldKind::Text, gameFiles[i], settings::kGameFileSize,
                text(static_cast<int>(settings::kGameFileSize) - 1), i);
    int32("DbleClickSpeed", offsetof(ProfileRecord, DbleClickSpeed), values(settings::doubleClickTimes()));
    int32("ScrollWheelSpeed", offsetof(ProfileRecord, ScrollWheelSpeed), range(1, 10));
    int32("ScrollWheelFlag", offsetof(ProfileRecord, ScrollWheelFlag), flag());
    int32("MouseSpeed", offsetof(ProfileRecord, MouseSpeed), values(settings::pointerSpeeds()));
    int32("Acceleration", offsetof(ProfileRecord, Acceleration), readOnly());
    int32("AccelerationFlag", offsetof(ProfileRecord, AccelerationFlag), flag());
    int32("MouseTrails", offsetof(ProfileRecord, MouseTrails), values(kTrailsValues));
    int32("TiltSpeed", offsetof(ProfileRecord, TiltSpeed), range(1, 10));
    int32("MediaOption", offsetof(ProfileRecord, MediaOption), range(0, 3));
    int32("HDDKeyboard", offsetof(ProfileRecord, HDDKeyboard), readOnly());
    int32("Orientation", offsetof(ProfileRecord, Orientation), flag());
    int32("XYSynchronous", offsetof(ProfileRecord, XYSynchronous), readOnly());
    int32("Sensitivity_X", offsetof(ProfileRecord, Sensitivity_X), readOnly());
    int32("Sensitivity_Y", offsetof(ProfileRecord, Sensitivity_Y), readOnly());
    int32("Sensitivity", offsetof(ProfileRecord, Sensitivity), range(1, 11));
    for (int i = 0; i < settings::kDpiFlagCount; ++i)
        profile(indexed("dpi", i), FieldKind::Byte, offsetof(ProfileRecord, dpi) + i, 1,
                i < settings::kCpiLevelCount ? flag() : readOnly(), i);
    int32("Cpi_X", offsetof(ProfileRecord, Cpi_X), range(0, settings::kCpiLevelCount - 1));
    int32("Cpi_Y", offsetof(ProfileRecord, Cpi_Y), readOnly());
    for (int i = 0; i < settings::kCpiLevelCount; ++i)
        profile(indexed("XYCpiFlag", i), FieldKind::Byte, offsetof(ProfileRecord, XYCpiFlag) + i, 1, flag(), i);
    for (int i = 0; i < settings::kCpiLevelCount; ++i)
        profile(indexed("CpiLevel_X", i), FieldKind::Int32, offsetof(ProfileRecord, CpiLevel_X) + 4 * i, 4,
                range(1, 50), i);
    for (int i = 0; i < settings::kCpiLevelCount; ++i)
        profile(indexed("CpiLevel_Y", i), FieldKind::Int32, offsetof(ProfileRecord, CpiLevel_Y) + 4 * i, 4,
                range(1, 50), i);
    int32("PollingRate", offsetof(ProfileRecord, PollingRate), range(0, 3));
    int32("LightOnFlag", offsetof(ProfileRecord, LightOnFlag), readOnly());
    int32("LightEffectMode", offsetof(ProfileRecord, LightEffectMode), range(1, 3));
    int32("LightColorFlow", offsetof(ProfileRecord, LightColorFlow), range(0, 5));
    int32("LightEffectType", offsetof(ProfileRecord, LightEffectType), range(0, 4));
    int32("LightEffectSpeed", offsetof(ProfileRecord, LightEffectSpeed), readOnly());
    int32("SoundProfile", offsetof(ProfileRecord, SoundProfile), flag());
    int32("SoundDpi", offsetof(ProfileRecord, SoundDpi), flag());
    int32("SoundSens", offsetof(ProfileRecord, SoundSens), flag());
    int32("VolumeUpDown", offsetof(ProfileRecord, VolumeUpDown), flag());
    int32("SoundTrophy", offsetof(ProfileRecord, SoundTrophy), flag());
    int32("SoundVolume", offsetof(ProfileRecord, SoundVolume), range(0, 4));
    int32("UseColorForAll", offsetof(ProfileRecord, UseColorForAll), readOnly());
    int32("LtChoseType", offsetof(ProfileRecord, LtChoseType), flag());
    int32("ASnapFlag", offsetof(ProfileRecord, ASnapFlag), flag());
    int32("ASnap", offsetof(ProfileRecord, ASnap), range(1, 6));
    int32("SAlignmentFlag", offsetof(ProfileRecord, SAlignmentFlag), flag());
    int32("SAlignment", offsetof(ProfileRecord, SAlignment), range(0, 60));
    constexpr std::size_t kColorSize = sizeof(settings::ColorRecord);
    for (int i = 0; i < settings::kColorRecordCount; ++i)
        profile(indexed("LightInfo", i), FieldKind::Color, offsetof(ProfileRecord, LightInfo) + kColorSize * i,
                kColorSize, i == 0 ? FieldRule{RuleKind::Palette, 0, kVisibleSwatchCount - 1, {}} : readOnly(), i);
    for (int i = 0; i < settings::kColorRecordCount; ++i)
        profile(indexed("CustomLightInfo", i), FieldKind::Color,
                offsetof(ProfileRecord, CustomLightInfo) + kColorSize * i, kColorSize,
                i == 0 ? FieldRule{RuleKind::Rgb, 0, 255, {}} : readOnly(), i);
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

bool allows(const FieldRule& rule, int value)
{
    if (rule.kind == RuleKind::Values)
        return std::find(rule.values.begin(), rule.values.end(), value) != rule.values.end();
    return value >= rule.min && value <= rule.max;
}

std::string refusedValue(const SettingField& field, std::string_view value)
{
    return field.key + "=" + std::string(value) + " refused: allowed " + allowedText(field);
}

// "R,G,B", each 0-255.
std::optional<Rgb> parseRgb(std::string_view text, const FieldRule& rule)
{
    int parts[3] = {};
    for (int i = 0; i < 3; ++i) {
        const std::size_t comma = i < 2 ? text.find(',') : text.size();
        if (comma == std::string_view::npos)
            return std::nullopt;
        const std::optional<int> part = parseInteger(text.substr(0, comma));
        if (!part || *part < rule.min || *part > rule.max)
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
    const FieldRule& rule = field.rule;
    switch (rule.kind) {
    case RuleKind::ReadOnly:
        return "nothing: not editable";
    case RuleKind::Range:
    case RuleKind::Palette:
        return std::to_string(rule.min) + " to " + std::to_string(rule.max);
    case RuleKind::Rgb:
        return "R,G,B each " + std::to_string(rule.min) + " to " + std::to_string(rule.max);
    case RuleKind::Text:
        return "at most " + std::to_string(rule.max) + " characters";
    case RuleKind::Values: {
        std::string list = "one of ";
        for (std::size_t i = 0; i < rule.values.size(); ++i)
            list += (i ? ", " : "") + std::to_string(rule.values[i]);
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
    switch (field->rule.kind) {
    case RuleKind::ReadOnly:
        refusal = field->key + " refused: not editable";
        return false;
    case RuleKind::Text:
        if (value.size() > static_cast<std::size_t>(field->rule.max) ||
            value.find('\0') != std::string_view::npos) {
            refusal = field->key + " refused: allowed " + allowedText(*field);
            return false;
        }
        std::memset(at, 0, field->size);
        std::memcpy(at, value.data(), value.size());
        return true;
    case RuleKind::Rgb: {
        const std::optional<Rgb> color = parseRgb(value, field->rule);
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
    case RuleKind::Range:
    case RuleKind::Values:
    case RuleKind::Palette:
        break;
    }
    const std::optional<int> number = parseInteger(value);
    if (!number || !allows(field->rule, *number)) {
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
    if (field->rule.kind == RuleKind::Palette)
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
