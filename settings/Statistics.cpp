#include "settings/Statistics.h"

#include <algorithm>
#include <limits>

namespace settings {
namespace {

struct CounterOfType {
    std::uint16_t eventType;
    int counter;
};

// 0xE800 and 0xE900 (counters 7 and 8) are reserved; 0xEB00 and 0xEC00 count nothing.
constexpr CounterOfType kCounters[] = {
    {0xE100, 0}, {0xE200, 1}, {0xE300, 2}, {0xE400, 3}, {0xE500, 4}, {0xE600, 5},
    {0xE700, 6}, {0xEA00, 9}, {0xEE00, 10}, {0xED00, 11}, {0xEF00, 12},
};

struct TrophyGroup {
    int firstTrophy;  // 1-based; the group holds this one and the next two
    std::int64_t (*quantity)(const InfoData&);
    std::int64_t thresholds[3];
};

std::int64_t counter(const InfoData& info, int index) { return info.Counters[index]; }

constexpr TrophyGroup kGroups[] = {
    {1, [](const InfoData& i) { return counter(i, 10) + counter(i, 11); }, {1000, 10000, 25000}},
    {4,
     [](const InfoData& i) {
         return counter(i, 0) + counter(i, 1) + counter(i, 2) + counter(i, 3) + counter(i, 4);
     },
     {50000, 500000, 1000000}},
    {7, [](const InfoData& i) { return counter(i, 9) / 2; }, {10000, 500000, 1000000}},
    {10, [](const InfoData& i) { return counter(i, 5) + counter(i, 6); }, {30000, 200000, 500000}},
};

constexpr std::int32_t kEarned = 1;

void award(InfoData& info, TrophyAwards& awards, int trophy)
{
    if (trophy == kAllTrophiesNumber)
        info.AllTrophiesFlag = kEarned;
    else
        info.TrophyFlags[trophy - 1] = kEarned;
    info.LastTrophy = trophy;
    awards.numbers[static_cast<std::size_t>(awards.count++)] = trophy;
}

bool allTwelveEarned(const InfoData& info)
{
    return std::all_of(std::begin(info.TrophyFlags), std::end(info.TrophyFlags),
                       [](std::int32_t flag) { return flag == kEarned; });
}

}  // namespace

bool TrophyAwards::contains(int trophy) const
{
    return std::find(numbers.begin(), numbers.begin() + count, trophy) != numbers.begin() + count;
}

int counterForEventType(std::uint16_t eventType)
{
    for (const CounterOfType& entry : kCounters) {
        if (entry.eventType == eventType)
            return entry.counter;
    }
    return -1;
}

TrophyAwards awardTrophies(InfoData& info)
{
    TrophyAwards awards;
    for (const TrophyGroup& group : kGroups) {
        const std::int64_t quantity = group.quantity(info);
        for (int step = 0; step < 3; ++step) {
            const int trophy = group.firstTrophy + step;
            if (info.TrophyFlags[trophy - 1] != kEarned && quantity >= group.thresholds[step]) {
                award(info, awards, trophy);
                break;
            }
        }
    }
    if (awards.any() && allTwelveEarned(info))
        award(info, awards, kAllTrophiesNumber);
    return awards;
}

StatisticsUpdate countStatisticsEvent(InfoData& info, std::uint16_t eventType, std::uint32_t value)
{
    StatisticsUpdate update;
    const int index = counterForEventType(eventType);
    if (index < 0)
        return update;
    const std::int64_t sum = std::int64_t{info.Counters[index]} + value;
    info.Counters[index] = static_cast<std::int32_t>(std::min<std::int64_t>(sum, std::numeric_limits<std::int32_t>::max()));
    update.counted = true;
    update.awards = awardTrophies(info);
    return update;
}

}  // namespace settings
