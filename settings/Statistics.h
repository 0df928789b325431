#pragma once
// Usage statistics: the counters that the mouse's statistics events feed and the
// trophies they earn.

#include <array>
#include <cstdint>

#include "settings/InfoData.h"

namespace settings {

// The counter (0-12) of a statistics event type (0xE100-0xEF00), or -1 for a type
// that is not counted.
int counterForEventType(std::uint16_t eventType);

struct TrophyAwards {
    std::array<int, 5> numbers{};  // one per group at most, then trophy 13
    int count = 0;

    bool any() const { return count > 0; }
    bool contains(int trophy) const;
};

struct StatisticsUpdate {
    bool counted = false;  // false: the type has no counter, nothing changed
    TrophyAwards awards;
};

// Adds `value` to the counter of the event type, saturating at the largest int32,
// then awards the trophies that the new counts earn.
StatisticsUpdate countStatisticsEvent(InfoData& info, std::uint16_t eventType, std::uint32_t value);

// The trophy check on its own: in each of the four groups the first trophy not
// yet earned whose threshold is reached; trophy 13 when an award completes all
// twelve. `LastTrophy` holds the number of the last award.
TrophyAwards awardTrophies(InfoData& info);

}  // namespace settings
