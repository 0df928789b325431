#pragma once
// Usage statistics and trophies: 13 counters fed by the mouse's statistics events,
// 12 trophy flags, the flag of the thirteenth trophy (all twelve earned) and the
// number of the trophy earned last. Stored whole as the `InfoData` key.

#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace settings {

inline constexpr int kCounterCount = 13;
inline constexpr int kTrophyCount = 12;       // trophies 1-12, earned by the counters
inline constexpr int kAllTrophiesNumber = 13;  // trophy 13: all twelve earned

#pragma pack(push, 1)
struct InfoData {
    std::int32_t Counters[kCounterCount] = {};      // elements 0-12 (7 and 8 are reserved)
    std::int32_t TrophyFlags[kTrophyCount] = {};    // elements 13-24: trophies 1-12, 1 = earned
    std::int32_t AllTrophiesFlag = 0;               // element 25: trophy 13
    std::int32_t LastTrophy = 0;                    // element 26: 1-13
};
#pragma pack(pop)

static_assert(sizeof(InfoData) == 27 * 4);
static_assert(offsetof(InfoData, Counters) == 0 * 4);
static_assert(offsetof(InfoData, TrophyFlags) == 13 * 4);
static_assert(offsetof(InfoData, AllTrophiesFlag) == 25 * 4);
static_assert(offsetof(InfoData, LastTrophy) == 26 * 4);
static_assert(std::is_trivially_copyable_v<InfoData> && std::is_standard_layout_v<InfoData>);

}  // namespace settings
