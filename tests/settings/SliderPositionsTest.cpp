// The double-click and pointer-speed sliders' tables, both ways.

#include <gtest/gtest.h>

#include "settings/SliderPositions.h"

namespace settings::test {
namespace {

TEST(SliderPositions, DoubleClickTimesBothWaysWithTheBoundaryTimes)
{
    const int times[] = {900, 830, 760, 690, 620, 550, 480, 410, 340, 270, 200};
    for (int position = 1; position <= 11; ++position) {
        const int time = times[position - 1];
        EXPECT_EQ(doubleClickTimeOfPosition(position), time);
        EXPECT_EQ(doubleClickPositionOfTime(time), position);
        if (position > 1) {
            EXPECT_EQ(doubleClickPositionOfTime(time - 1), position + (position < 11 ? 1 : 0)) << time - 1;
        }
    }
    EXPECT_EQ(doubleClickTimeOfPosition(0), 480);
    EXPECT_EQ(doubleClickTimeOfPosition(12), 480);
    EXPECT_EQ(doubleClickPositionOfTime(5000), 1);
    EXPECT_EQ(doubleClickPositionOfTime(899), 2);
    EXPECT_EQ(doubleClickPositionOfTime(-1), 11);
}

TEST(SliderPositions, PointerSpeedsBothWays)
{
    const int speeds[] = {1, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20};
    for (int position = 1; position <= 11; ++position) {
        EXPECT_EQ(pointerSpeedOfPosition(position), speeds[position - 1]);
        EXPECT_EQ(pointerPositionOfSpeed(speeds[position - 1]), position);
    }
    EXPECT_EQ(pointerSpeedOfPosition(0), 10);
    const int shownPositions[] = {1, 1, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11};
    for (int speed = 0; speed <= 20; ++speed)
        EXPECT_EQ(pointerPositionOfSpeed(speed), shownPositions[speed]) << speed;
    EXPECT_EQ(pointerPositionOfSpeed(-1), 6);
    EXPECT_EQ(pointerPositionOfSpeed(21), 6);
}

}  // namespace
}  // namespace settings::test
