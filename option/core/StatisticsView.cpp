#include "option/core/StatisticsView.h"

#include <algorithm>

namespace option::core {
namespace {

constexpr std::int64_t kSecondsPerMinute = 60;
constexpr std::int64_t kSecondsPerHour = 3600;
constexpr std::int64_t kSecondsPerDay = 86400;

bool isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month)
{
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

// Days since 1970-01-01 of a civil date (proleptic Gregorian calendar).
std::int64_t daysFromCivil(int year, int month, int day)
{
    const int y = year - (month <= 2 ? 1 : 0);
    const int era = y / 400;
    const int yearOfEra = y - era * 400;
    const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return std::int64_t{era} * 146097 + dayOfEra - 719468;
}

std::int64_t secondsOf(const LocalTime& time)
{
    return daysFromCivil(time.year, time.month, time.day) * kSecondsPerDay + time.hour * kSecondsPerHour +
           time.minute * kSecondsPerMinute;
}

std::int64_t shown(std::int64_t value, std::int64_t divisor, std::int64_t cap)
{
    return std::min(std::max<std::int64_t>(value, 0) / divisor, cap);
}

std::int64_t sumOf(const settings::InfoData& info, int first, int count)
{
    std::int64_t sum = 0;
    for (int i = first; i < first + count; ++i)
        sum += std::max<std::int64_t>(info.Counters[i], 0);
    return sum;
}

std::string counted(std::int64_t value, const char* unit)
{
    return std::to_string(value) + unit;
}

}  // namespace

bool isValidLocalTime(const LocalTime& time)
{
    return time.year >= 1970 && time.year <= 9999 && time.month >= 1 && time.month <= 12 && time.day >= 1 &&
           time.day <= daysInMonth(time.year, time.month) && time.hour >= 0 && time.hour <= 23 &&
           time.minute >= 0 && time.minute <= 59;
}

ElapsedTime elapsedSince(const LocalTime& start, const LocalTime& now)
{
    if (!isValidLocalTime(start) || !isValidLocalTime(now))
        return {};
    const std::int64_t seconds = secondsOf(now) - secondsOf(start);
    return ElapsedTime{std::max<std::int64_t>(seconds / kSecondsPerHour, 1),
                       std::max<std::int64_t>(seconds / kSecondsPerDay, 1)};
}

std::int64_t viewDivisor(StatisticsViewKind view, const ElapsedTime& elapsed)
{
    switch (view) {
    case StatisticsViewKind::PerHour:
        return std::max<std::int64_t>(elapsed.hours, 1);
    case StatisticsViewKind::PerDay:
        return std::max<std::int64_t>(elapsed.days, 1);
    case StatisticsViewKind::Totals:
        break;
    }
    return 1;
}

std::int64_t distanceMetres(std::int64_t inches)
{
    // 0.0254 m an inch, in whole numbers so the cut is exact.
    return std::max<std::int64_t>(inches, 0) * 254 / 10000;
}

StatisticsTexts statisticsTexts(const settings::InfoData& info, StatisticsViewKind view, const ElapsedTime& elapsed)
{
    const std::int64_t divisor = viewDivisor(view, elapsed);
    StatisticsTexts texts;
    for (int i = 0; i < kClickCounters; ++i)
        texts.clicks[i] = counted(shown(info.Counters[i], divisor, kMaxShownClicks), " clicks");
    texts.clickTotal = counted(shown(sumOf(info, 0, kClickCounters), divisor, kMaxShownClicks), " clicks");
    for (int i = 0; i < kScrollCounters; ++i)
        texts.scrolls[i] =
            counted(shown(info.Counters[kFirstScrollCounter + i], divisor, kMaxShownScrolls), " scrolls");
    texts.scrollTotal =
        counted(shown(sumOf(info, kFirstScrollCounter, kScrollCounters), divisor, kMaxShownScrolls), " scrolls");
    texts.eventsA = counted(shown(info.Counters[kEventCounterA], divisor, kMaxShownTimes), " times");
    texts.eventsB = counted(shown(info.Counters[kEventCounterB], divisor, kMaxShownTimes), " times");
    const std::int64_t inches = std::max<std::int64_t>(info.Counters[kDistanceCounter], 0) / divisor;
    texts.distance = counted(distanceMetres(inches), " m");
    return texts;
}

int trophyLevel(const settings::InfoData& info)
{
    int level = info.AllTrophiesFlag == 1 ? 1 : 0;
    for (const std::int32_t flag : info.TrophyFlags)
        level += flag == 1 ? 1 : 0;
    return level;
}

bool trophyUnlocked(const settings::InfoData& info, int trophyIndex)
{
    if (trophyIndex >= 0 && trophyIndex < settings::kTrophyCount)
        return info.TrophyFlags[trophyIndex] == 1;
    return trophyIndex == settings::kTrophyCount && info.AllTrophiesFlag == 1;
}

std::string trophyPositionText(int trophyIndex)
{
    return std::to_string(trophyIndex + 1) + "/" + std::to_string(kTrophyTotal);
}

std::string levelText(int level)
{
    return "Level: " + std::to_string(level);
}

std::string unlockedText(int level)
{
    return "Unlocked: " + std::to_string(level) + "/" + std::to_string(kTrophyTotal);
}

int levelBarPixels(int barWidth, int level)
{
    return barWidth * std::clamp(level, 0, kTrophyTotal) / kTrophyTotal;
}

void StatisticsBrowsing::previousView()
{
    view_ = static_cast<StatisticsViewKind>(std::max(static_cast<int>(view_) - 1, 0));
}

void StatisticsBrowsing::nextView()
{
    view_ = static_cast<StatisticsViewKind>(std::min(static_cast<int>(view_) + 1, 2));
}

void StatisticsBrowsing::previousTrophy()
{
    trophy_ = std::max(trophy_ - 1, 0);
}

void StatisticsBrowsing::nextTrophy()
{
    trophy_ = std::min(trophy_ + 1, kTrophyTotal - 1);
}

}  // namespace option::core
