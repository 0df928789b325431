#pragma once
// The values a page control can set, and storing one into its field.
#include <cstdint>

namespace option::core {

struct ControlRange {
    int min;
    int max;

    constexpr bool contains(int value) const { return value >= min && value <= max; }
};

inline constexpr ControlRange kFlagRange{0, 1};

// Stores `value` when it lies within `range`; true when the field changed.
inline bool storeInRange(std::int32_t& field, int value, ControlRange range)
{
    if (!range.contains(value) || field == value)
        return false;
    field = value;
    return true;
}

}  // namespace option::core
