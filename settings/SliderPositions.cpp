#include "settings/SliderPositions.h"

#include <iterator>

namespace settings {
namespace {

constexpr int kDoubleClickTimes[] = {900, 830, 760, 690, 620, 550, 480, 410, 340, 270, 200};
constexpr int kDoubleClickTimeOutOfTable = 480;
constexpr int kPointerSpeeds[] = {1, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20};
constexpr int kPointerSpeedOutOfTable = 10;
constexpr int kPointerPositionOutOfTable = 6;
constexpr int kLargestPointerSpeed = 20;

static_assert(std::size(kDoubleClickTimes) == kLastSliderPosition);
static_assert(std::size(kPointerSpeeds) == kLastSliderPosition);

bool isPosition(int position)
{
    return position >= kFirstSliderPosition && position <= kLastSliderPosition;
}

}  // namespace

std::span<const int> doubleClickTimes()
{
    return kDoubleClickTimes;
}

int doubleClickTimeOfPosition(int position)
{
    return isPosition(position) ? kDoubleClickTimes[position - 1] : kDoubleClickTimeOutOfTable;
}

int doubleClickPositionOfTime(int milliseconds)
{
    for (int position = kFirstSliderPosition; position < kLastSliderPosition; ++position)
        if (milliseconds >= kDoubleClickTimes[position - 1])
            return position;
    return kLastSliderPosition;
}

std::span<const int> pointerSpeeds()
{
    return kPointerSpeeds;
}

int pointerSpeedOfPosition(int position)
{
    return isPosition(position) ? kPointerSpeeds[position - 1] : kPointerSpeedOutOfTable;
}

int pointerPositionOfSpeed(int speed)
{
    if (speed == 0 || speed == 1)
        return 1;
    if (speed == 2)
        return 2;
    // 3-4 show 3, 5-6 show 4, ... 19-20 show 11. Speeds 9 and 10 show 6 here
    // too, as the table's "anything else" does.
    if (speed >= 3 && speed <= kLargestPointerSpeed)
        return (speed + 3) / 2;
    return kPointerPositionOutOfTable;
}

}  // namespace settings
