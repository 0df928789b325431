#pragma once
// Editing the settings by their INI key names, within the ranges the settings
// pages allow, with the pages' side effects (a linked CPI level moves X and Y
// together, the acceleration flag sets its step, a palette colour fills its
// ColorRecord). One table names every field of the header and of a profile.
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "settings/SettingsBlock.h"

namespace option::core {

enum class FieldScope { Block, Profile };
enum class FieldKind { Int32, Byte, Text, Color };

enum class RuleKind {
    ReadOnly,   // shown, carried, not editable by the pages
    Range,      // whole numbers from min to max
    Values,     // one of a list (a slider's positions mapped to stored values)
    Text,       // at most `max` characters
    Palette,    // LightInfo0: a palette index min-max
    Rgb,        // CustomLightInfo0: "R,G,B", each min-max
};

struct FieldRule {
    RuleKind kind = RuleKind::ReadOnly;
    int min = 0;
    int max = 0;
    std::span<const int> values = {};
};

struct SettingField {
    std::string key;        // the INI key, as "CpiLevel_X2"
    FieldScope scope;
    FieldKind kind;
    std::size_t offset;     // in SettingsBlock or ProfileRecord
    std::size_t size;       // bytes of a text field
    FieldRule rule;
    int element = -1;       // the index of an array field ("CpiLevel_X2" is 2)
};

// The header fields, then every field of a profile, in record order.
const std::vector<SettingField>& settingFields();
// Compared without regard to case, as INI keys are; nullptr for an unknown key.
const SettingField* findSettingField(std::string_view key);

// "1-50", "one of 900, 830, ...", "at most 20 characters", "not editable".
std::string allowedText(const SettingField& field);
// The value as the show command prints it; a ColorRecord as "INDEX,ON,R,G,B".
std::string fieldValueText(const settings::SettingsBlock& block, int profile, const SettingField& field);

// Sets the field of `profile` (header fields ignore it) from its text; on a
// refused value returns false with a one-line reason and changes nothing.
bool setSettingField(settings::SettingsBlock& block, int profile, std::string_view key, std::string_view value,
                     std::string& refusal);

// The profile slot being edited: `CurrentProfile`, which an apply makes active.
bool selectProfile(settings::SettingsBlock& block, int profile);

// A click on the Windows-profile marker of `profile` (confirmed): clears the
// Windows profile when it is this slot, makes this slot the Windows profile
// otherwise. False for a slot outside 0-4.
bool toggleWindowsProfileMarker(settings::SettingsBlock& block, int profile);

inline constexpr std::size_t kMaxProfileNameLength = 20;

// The profile dialog's OK: name (at most 20 characters) and the three linked
// programs; nothing else of the profile changes. False, with nothing changed,
// for a profile outside 0-4 or a text that does not fit.
bool setProfileNameAndGames(settings::SettingsBlock& block, int profile, std::string_view name,
                            const std::vector<std::string>& gameFiles, std::string& refusal);

}  // namespace option::core
