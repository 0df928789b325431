#pragma once
// What the statistics page shows: the counters as totals, per hour or per day
// since the monitor's first start (RunsStart.ini), in their formats and caps;
// the distance in metres; the trophy being browsed, unlocked or locked; the
// level (trophies unlocked) and the width of the level bar.
#include <cstdint>
#include <string>

#include "settings/InfoData.h"
#include "settings/StartTime.h"

namespace option::core {

enum class StatisticsViewKind { Totals = 0, PerHour = 1, PerDay = 2 };

// A local date and time to the minute; the same fields as RunsStart.ini's.
using LocalTime = settings::StartTime;

// Hours and days between the first start and now, each at least 1. A start time
// that cannot be read (missing or impossible fields) counts as now, so per hour
// and per day show the totals until the monitor has recorded its first start;
// so does a start in the future.
struct ElapsedTime {
    std::int64_t hours = 1;
    std::int64_t days = 1;
};
ElapsedTime elapsedSince(const LocalTime& start, const LocalTime& now);
// Whether the fields make a date and time (years 1970-9999).
bool isValidLocalTime(const LocalTime& time);

// The divisor of a view: 1, the hours or the days.
std::int64_t viewDivisor(StatisticsViewKind view, const ElapsedTime& elapsed);

// The caps of the shown values.
inline constexpr std::int64_t kMaxShownClicks = 999999999;
inline constexpr std::int64_t kMaxShownScrolls = 99999999;
inline constexpr std::int64_t kMaxShownTimes = 999999999;

// The counters of the statistics block as the page reads them.
inline constexpr int kClickCounters = 5;     // elements 0-4
inline constexpr int kFirstScrollCounter = 5; // elements 5-6
inline constexpr int kScrollCounters = 2;
inline constexpr int kDistanceCounter = 9;
inline constexpr int kEventCounterB = 10;
inline constexpr int kEventCounterA = 11;

struct StatisticsTexts {
    std::string clicks[kClickCounters];  // "%d clicks"
    std::string clickTotal;
    std::string scrolls[kScrollCounters];  // "%d scrolls"
    std::string scrollTotal;
    std::string eventsA;  // "%d times"
    std::string eventsB;
    std::string distance;  // "%d m"
};

// Every counter divided by the view's divisor (a negative counter, which only a
// damaged block holds, shows 0), then capped.
StatisticsTexts statisticsTexts(const settings::InfoData& info, StatisticsViewKind view, const ElapsedTime& elapsed);

// Whole metres of a distance counted in inches.
std::int64_t distanceMetres(std::int64_t inches);

// The level: trophy flags 1-13 equal to 1.
int trophyLevel(const settings::InfoData& info);
inline constexpr int kTrophyTotal = settings::kAllTrophiesNumber;
bool trophyUnlocked(const settings::InfoData& info, int trophyIndex);
// "%d/13" of the trophy shown, "Level: %d", "Unlocked: %d/13".
std::string trophyPositionText(int trophyIndex);
std::string levelText(int level);
std::string unlockedText(int level);
// The level bar's picture covers this many pixels of `barWidth`.
int levelBarPixels(int barWidth, int level);

// The browsing state of the page: the view (0-2) and the trophy shown (0-12).
class StatisticsBrowsing {
public:
    StatisticsViewKind view() const { return view_; }
    int trophy() const { return trophy_; }
    void previousView();
    void nextView();
    void previousTrophy();
    void nextTrophy();

private:
    StatisticsViewKind view_ = StatisticsViewKind::Totals;
    int trophy_ = 0;
};

}  // namespace option::core
