#pragma once
// One lighting color of a profile: the entry chosen in the lighting page's color
// table and the color itself.

#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace settings {

#pragma pack(push, 1)
struct ColorRecord {
    std::uint8_t TableIndex = 0;  // entry of the lighting page's color table
    std::uint8_t On = 0;          // 1 = color in use
    std::uint8_t Red = 0;
    std::uint8_t Green = 0;
    std::uint8_t Blue = 0;
};
#pragma pack(pop)

static_assert(sizeof(ColorRecord) == 5);
static_assert(offsetof(ColorRecord, TableIndex) == 0);
static_assert(offsetof(ColorRecord, On) == 1);
static_assert(offsetof(ColorRecord, Red) == 2);
static_assert(offsetof(ColorRecord, Green) == 3);
static_assert(offsetof(ColorRecord, Blue) == 4);
static_assert(std::is_trivially_copyable_v<ColorRecord> && std::is_standard_layout_v<ColorRecord>);

}  // namespace settings
