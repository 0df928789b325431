#include "settings/ProfileFields.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "settings/BlockDefaults.h"
#include "settings/SliderPositions.h"
#include "settings/StoreNames.h"

namespace settings {
namespace {

// The trails check box stores 5 when ticked.
constexpr int kTrailsValues[] = {0, 5};

FieldRange carried() { return {}; }
FieldRange span(int min, int max) { return {RangeKind::Span, min, max, {}}; }
FieldRange flag() { return span(0, 1); }
FieldRange values(std::span<const int> list) { return {RangeKind::Values, 0, 0, list}; }
FieldRange text(std::size_t maxLength) { return {RangeKind::Text, 0, static_cast<int>(maxLength), {}}; }

std::string numbered(const char* stem, int index)
{
    return stem + std::to_string(index);
}

std::vector<ProfileField> buildFields()
{
    std::vector<ProfileField> fields;
    const auto add = [&](std::string key, FieldKind kind, std::size_t offset, std::size_t size, FieldRange range,
                         int element = -1, int missing = -1) {
        fields.push_back({std::move(key), kind, offset, size, range, element, missing});
    };
    const auto int32 = [&](const char* key, std::size_t offset, FieldRange range, int missing = -1) {
        add(key, FieldKind::Int32, offset, 4, range, -1, missing);
    };

    add("ProFileName", FieldKind::Text, offsetof(ProfileRecord, ProFileName), kProfileNameSize,
        text(kMaxProfileNameLength));
    const std::size_t gameFiles[] = {offsetof(ProfileRecord, GameFile0), offsetof(ProfileRecord, GameFile1),
                                     offsetof(ProfileRecord, GameFile2)};
    for (int i = 0; i < kGameFileCount; ++i)
        add(numbered("GameFile", i), FieldKind::Text, gameFiles[i], kGameFileSize, text(kGameFileSize - 1), i);
    int32("DbleClickSpeed", offsetof(ProfileRecord, DbleClickSpeed), values(doubleClickTimes()));
    int32("ScrollWheelSpeed", offsetof(ProfileRecord, ScrollWheelSpeed), span(1, 10));
    int32("ScrollWheelFlag", offsetof(ProfileRecord, ScrollWheelFlag), flag());
    int32("MouseSpeed", offsetof(ProfileRecord, MouseSpeed), values(pointerSpeeds()));
    int32("Acceleration", offsetof(ProfileRecord, Acceleration), carried());
    int32("AccelerationFlag", offsetof(ProfileRecord, AccelerationFlag), flag());
    int32("MouseTrails", offsetof(ProfileRecord, MouseTrails), values(kTrailsValues));
    int32("TiltSpeed", offsetof(ProfileRecord, TiltSpeed), span(1, 10));
    int32("MediaOption", offsetof(ProfileRecord, MediaOption), span(0, 3));
    int32("HDDKeyboard", offsetof(ProfileRecord, HDDKeyboard), carried());
    int32("Orientation", offsetof(ProfileRecord, Orientation), flag());
    int32("XYSynchronous", offsetof(ProfileRecord, XYSynchronous), carried());
    int32("Sensitivity_X", offsetof(ProfileRecord, Sensitivity_X), carried());
    int32("Sensitivity_Y", offsetof(ProfileRecord, Sensitivity_Y), carried());
    int32("Sensitivity", offsetof(ProfileRecord, Sensitivity), span(1, 11));
    for (int i = 0; i < kDpiFlagCount; ++i)
        add(numbered("dpi", i), FieldKind::Byte, offsetof(ProfileRecord, dpi) + i, 1,
            i < kCpiLevelCount ? flag() : carried(), i);
    int32("Cpi_X", offsetof(ProfileRecord, Cpi_X), span(0, kCpiLevelCount - 1));
    int32("Cpi_Y", offsetof(ProfileRecord, Cpi_Y), carried());
    for (int i = 0; i < kCpiLevelCount; ++i)
        add(numbered("XYCpiFlag", i), FieldKind::Byte, offsetof(ProfileRecord, XYCpiFlag) + i, 1, flag(), i);
    for (int i = 0; i < kCpiLevelCount; ++i)
        add(numbered("CpiLevel_X", i), FieldKind::Int32, offsetof(ProfileRecord, CpiLevel_X) + 4 * i, 4,
            span(1, 50), i);
    for (int i = 0; i < kCpiLevelCount; ++i)
        add(numbered("CpiLevel_Y", i), FieldKind::Int32, offsetof(ProfileRecord, CpiLevel_Y) + 4 * i, 4,
            span(1, 50), i);
    int32("PollingRate", offsetof(ProfileRecord, PollingRate), span(0, 3));
    int32("LightOnFlag", offsetof(ProfileRecord, LightOnFlag), carried());
    int32("LightEffectMode", offsetof(ProfileRecord, LightEffectMode), span(1, 3));
    int32("LightColorFlow", offsetof(ProfileRecord, LightColorFlow), span(0, 5));
    int32("LightEffectType", offsetof(ProfileRecord, LightEffectType), span(0, 4));
    int32("LightEffectSpeed", offsetof(ProfileRecord, LightEffectSpeed), carried());
    int32("SoundProfile", offsetof(ProfileRecord, SoundProfile), flag());
    int32("SoundDpi", offsetof(ProfileRecord, SoundDpi), flag());
    int32("SoundSens", offsetof(ProfileRecord, SoundSens), flag());
    int32("VolumeUpDown", offsetof(ProfileRecord, VolumeUpDown), flag());
    int32("SoundTrophy", offsetof(ProfileRecord, SoundTrophy), flag());
    int32("SoundVolume", offsetof(ProfileRecord, SoundVolume), span(0, 4));
    int32("UseColorForAll", offsetof(ProfileRecord, UseColorForAll), carried(), 0);
    int32("LtChoseType", offsetof(ProfileRecord, LtChoseType), flag(), 0);
    int32("ASnapFlag", offsetof(ProfileRecord, ASnapFlag), flag());
    int32("ASnap", offsetof(ProfileRecord, ASnap), span(1, 6));
    int32("SAlignmentFlag", offsetof(ProfileRecord, SAlignmentFlag), flag());
    int32("SAlignment", offsetof(ProfileRecord, SAlignment), span(0, 60));
    constexpr std::size_t kColorSize = sizeof(ColorRecord);
    for (int i = 0; i < kColorRecordCount; ++i)
        add(numbered("LightInfo", i), FieldKind::Color, offsetof(ProfileRecord, LightInfo) + kColorSize * i,
            kColorSize, i == 0 ? FieldRange{RangeKind::Palette, 0, kPaletteSwatchCount - 1, {}} : carried(), i);
    for (int i = 0; i < kColorRecordCount; ++i)
        add(numbered("CustomLightInfo", i), FieldKind::Color,
            offsetof(ProfileRecord, CustomLightInfo) + kColorSize * i, kColorSize,
            i == 0 ? FieldRange{RangeKind::Rgb, 0, 255, {}} : carried(), i);
    constexpr std::size_t kButtonSize = sizeof(ButtonAssignment);
    for (int s = 0; s < kButtonSlotCount; ++s)
        add(numbered("MacroKeyInfo", s), FieldKind::Button, offsetof(ProfileRecord, MacroKeyInfo) + kButtonSize * s,
            kButtonSize, carried(), s);
    return fields;
}

const ProfileRecord& newProfile()
{
    static const std::unique_ptr<ProfileRecord> profile = [] {
        auto record = std::make_unique<ProfileRecord>();
        createDefaultProfile(*record, 0);
        return record;
    }();
    return *profile;
}

}  // namespace

bool FieldRange::allows(int value) const
{
    switch (kind) {
    case RangeKind::Span:
    case RangeKind::Palette:
        return value >= min && value <= max;
    case RangeKind::Values:
        return std::find(values.begin(), values.end(), value) != values.end();
    case RangeKind::Carried:
    case RangeKind::Text:
    case RangeKind::Rgb:
        break;
    }
    return false;
}

bool FieldRange::bounds(int value) const
{
    switch (kind) {
    case RangeKind::Span:
    case RangeKind::Palette:
        return value >= min && value <= max;
    case RangeKind::Values: {
        const auto [lowest, highest] = std::minmax_element(values.begin(), values.end());
        return lowest != values.end() && value >= *lowest && value <= *highest;
    }
    case RangeKind::Carried:
    case RangeKind::Text:
    case RangeKind::Rgb:
        break;
    }
    return true;
}

const std::vector<ProfileField>& profileFields()
{
    static const std::vector<ProfileField> fields = buildFields();
    return fields;
}

const ProfileField* findProfileField(std::string_view key)
{
    for (const ProfileField& field : profileFields())
        if (field.key.size() == key.size() && sameStoreName(field.key, key))
            return &field;
    return nullptr;
}

std::int32_t intValue(const ProfileRecord& profile, const ProfileField& field)
{
    const auto* at = reinterpret_cast<const std::uint8_t*>(&profile) + field.offset;
    if (field.kind == FieldKind::Byte)
        return *at;
    if (field.kind != FieldKind::Int32)
        return 0;
    std::int32_t value = 0;
    std::memcpy(&value, at, sizeof value);
    return value;
}

void setIntValue(ProfileRecord& profile, const ProfileField& field, std::int32_t value)
{
    auto* at = reinterpret_cast<std::uint8_t*>(&profile) + field.offset;
    if (field.kind == FieldKind::Byte)
        *at = static_cast<std::uint8_t>(value);
    else if (field.kind == FieldKind::Int32)
        std::memcpy(at, &value, sizeof value);
}

std::int32_t usableValue(const ProfileRecord& profile, std::int32_t ProfileRecord::*member)
{
    const std::int32_t value = profile.*member;
    const auto offset = static_cast<std::size_t>(reinterpret_cast<const std::uint8_t*>(&(profile.*member)) -
                                                  reinterpret_cast<const std::uint8_t*>(&profile));
    for (const ProfileField& field : profileFields())
        if (field.kind == FieldKind::Int32 && field.offset == offset)
            return field.range.bounds(value) ? value : newProfile().*member;
    return value;
}

}  // namespace settings
