#pragma once
// The fields of a profile, one table: INI key, place in ProfileRecord, kind and
// the range the settings pages allow. The profile files read and write their keys
// in the table's order, the editor checks values against the ranges, and the
// pages look their ranges up by key.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "settings/ProfileRecord.h"

namespace settings {

enum class FieldKind {
    Int32,   // a decimal integer
    Byte,    // a decimal integer whose low 8 bits are stored
    Text,    // NUL-terminated text in a field of `size` bytes
    Color,   // a ColorRecord, stored as a struct
    Button,  // a ButtonAssignment, stored as a struct; edited by the button page
};

enum class RangeKind {
    Carried,  // stored and carried; the pages do not edit it
    Span,     // whole numbers from min to max
    Values,   // one of `values` (a slider's positions mapped to stored values)
    Text,     // at most `max` characters
    Palette,  // a palette swatch, min to max (LightInfo0)
    Rgb,      // "R,G,B", each from min to max (CustomLightInfo0)
};

struct FieldRange {
    RangeKind kind = RangeKind::Carried;
    int min = 0;
    int max = 0;
    std::span<const int> values = {};

    // A number the pages can set: within min-max (Span, Palette) or one of the values.
    bool allows(int value) const;
    // Within the bounds of what the pages can set: between the smallest and the
    // largest of the values for a list; any value for a field the pages do not
    // edit as a number.
    bool bounds(int value) const;
};

struct ProfileField {
    std::string key;      // the INI key, as "CpiLevel_X2"
    FieldKind kind;
    std::size_t offset;   // in ProfileRecord
    std::size_t size;     // bytes
    FieldRange range;
    int element = -1;     // the index of an array field ("CpiLevel_X2" is 2)
    int missing = -1;     // what an integer key missing from a file reads as
};

inline constexpr std::size_t kMaxProfileNameLength = 20;
inline constexpr int kPaletteSwatchCount = 16;

// Every field of a profile in the order of a profile file's keys.
const std::vector<ProfileField>& profileFields();
// Compared without regard to case, as INI keys are; nullptr for an unknown key.
const ProfileField* findProfileField(std::string_view key);

// Int32 and Byte fields; 0 for the other kinds.
std::int32_t intValue(const ProfileRecord& profile, const ProfileField& field);
// Int32 and Byte fields (a Byte keeps the low 8 bits); the other kinds stay.
void setIntValue(ProfileRecord& profile, const ProfileField& field, std::int32_t value);

// What the host may hand to the desktop (pointer settings, scrolling) for an
// integer field: the stored value when it lies within the field's bounds, else
// the value of a new profile. The stored value is kept, so files round-trip.
std::int32_t usableValue(const ProfileRecord& profile, std::int32_t ProfileRecord::*member);

}  // namespace settings
