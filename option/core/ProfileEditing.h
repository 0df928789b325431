#pragma once
// Editing the settings by their INI key names, within the ranges the settings
// pages allow, with the pages' side effects (a linked CPI level moves X and Y
// together, the acceleration flag sets its step, a palette colour fills its
// ColorRecord). The profile's fields and ranges are those of the profile-field
// table (settings/ProfileFields.h); the header fields are added here.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "settings/ProfileFields.h"
#include "settings/SettingsBlock.h"

namespace option::core {

using settings::FieldKind;
using settings::FieldRange;
using settings::RangeKind;

enum class FieldScope { Block, Profile };

struct SettingField {
    std::string key;        // the INI key, as "CpiLevel_X2"
    FieldScope scope;
    FieldKind kind;
    std::size_t offset;     // in SettingsBlock or ProfileRecord
    std::size_t size;       // bytes
    FieldRange range;
    int element = -1;       // the index of an array field ("CpiLevel_X2" is 2)
};

// The header fields, then every field of a profile in record order, button
// slots aside (they have their own editing).
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

using settings::kMaxProfileNameLength;

// The profile dialog's OK: name (at most 20 characters) and the three linked
// programs; nothing else of the profile changes. False, with nothing changed,
// for a profile outside 0-4 or a text that does not fit.
bool setProfileNameAndGames(settings::SettingsBlock& block, int profile, std::string_view name,
                            const std::vector<std::string>& gameFiles, std::string& refusal);

}  // namespace option::core
