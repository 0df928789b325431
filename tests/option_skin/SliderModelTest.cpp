#include "option/skin/logic/SliderModel.h"

#include <gtest/gtest.h>

using option::skin::SliderModel;

namespace {

// Range 0-10 on a track of 110 pixels with a 10-pixel thumb: 10 pixels a step.
SliderModel tenSteps(bool rounding)
{
    SliderModel slider;
    slider.setGeometry(110, 10);
    slider.setRange(0, 10);
    slider.setRounding(rounding);
    return slider;
}

}  // namespace

TEST(SliderModel, ReleaseRoundsAndSnapsOrTruncatesAndStays)
{
    SliderModel rounding = tenSteps(true);
    EXPECT_EQ(rounding.dragTo(76), 7);  // whole steps while dragging
    EXPECT_EQ(rounding.releaseAt(76), 8);
    EXPECT_EQ(rounding.value(), 8);
    EXPECT_EQ(rounding.thumbOffset(), 80);

    SliderModel truncating = tenSteps(false);
    EXPECT_EQ(truncating.releaseAt(76), 7);
    EXPECT_EQ(truncating.thumbOffset(), 76);
}

TEST(SliderModel, ValuesAndDragsAreClampedToRangeAndTravel)
{
    SliderModel slider = tenSteps(true);
    slider.setValue(15);
    EXPECT_EQ(slider.value(), 10);
    EXPECT_EQ(slider.thumbOffset(), 100);  // the right end: track minus thumb
    slider.setValue(-3);
    EXPECT_EQ(slider.value(), 0);
    EXPECT_EQ(slider.thumbOffset(), 0);

    EXPECT_EQ(slider.dragTo(500), 10);
    EXPECT_EQ(slider.thumbOffset(), 100);
    EXPECT_EQ(slider.releaseAt(-40), 0);
    EXPECT_EQ(slider.thumbOffset(), 0);
}

TEST(SliderModel, TrackClickSpreadsTheRangeOverTheWholeTrack)
{
    SliderModel rounding = tenSteps(true);
    EXPECT_EQ(rounding.clickAt(63), 6);  // 63 * 10 / 110 = 5.73
    EXPECT_EQ(rounding.thumbOffset(), 60);
    EXPECT_EQ(rounding.clickAt(200), 10);

    SliderModel truncating = tenSteps(false);
    EXPECT_EQ(truncating.clickAt(63), 5);
    EXPECT_EQ(truncating.thumbOffset(), 50);
}

TEST(SliderModel, RangeNotStartingAtZero)
{
    SliderModel sensitivity;
    sensitivity.setGeometry(266, 16);  // 250 pixels of travel
    sensitivity.setRange(1, 11);
    sensitivity.setValue(11);
    EXPECT_EQ(sensitivity.thumbOffset(), 250);
    sensitivity.setValue(6);
    EXPECT_EQ(sensitivity.thumbOffset(), 125);
    EXPECT_EQ(sensitivity.dragTo(24), 1);
    EXPECT_EQ(sensitivity.dragTo(25), 2);
}

TEST(SliderModel, EmptyRangeOrThumbFillingTheTrackStaysAtTheMinimum)
{
    SliderModel oneValue;
    oneValue.setGeometry(100, 10);
    oneValue.setRange(5, 5);
    EXPECT_EQ(oneValue.dragTo(50), 5);
    EXPECT_EQ(oneValue.releaseAt(50), 5);
    EXPECT_EQ(oneValue.thumbOffset(), 0);

    SliderModel noTravel;
    noTravel.setGeometry(10, 10);
    noTravel.setRange(0, 10);
    noTravel.setValue(7);
    EXPECT_EQ(noTravel.thumbOffset(), 0);
    EXPECT_EQ(noTravel.dragTo(5), 0);
    EXPECT_EQ(noTravel.releaseAt(5), 0);

    SliderModel noTrack;
    noTrack.setRange(0, 10);
    EXPECT_EQ(noTrack.clickAt(3), 0);

    SliderModel reversed;
    reversed.setRange(8, 2);
    EXPECT_EQ(reversed.maximum(), 8);
}
