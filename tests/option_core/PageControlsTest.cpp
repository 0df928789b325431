// The rules of the main settings, advanced and lighting pages' controls.

#include <gtest/gtest.h>

#include <memory>

#include "option/core/AdvancedPageRules.h"
#include "option/core/CpiLevelRows.h"
#include "option/core/LightingPalette.h"
#include "option/core/MainSettingsRules.h"
#include "option/core/HueBarPicker.h"
#include "settings/BlockDefaults.h"

namespace option::core::test {
namespace {

using settings::ProfileRecord;

class PageControls : public ::testing::Test {
protected:
    void SetUp() override { settings::createDefaultProfile(p, 1); }

    std::unique_ptr<ProfileRecord> record = std::make_unique<ProfileRecord>();
    ProfileRecord& p = *record;
};

TEST_F(PageControls, SensitivitySpinShowsTheValueLessSixAndDoubleClickFollowsItsTable)
{
    EXPECT_TRUE(setSensitivity(p, 11));
    EXPECT_EQ(sensitivitySpinValue(p.Sensitivity), 5);
    EXPECT_FALSE(setSensitivity(p, 11));  // unchanged: the spin is not moved again
    EXPECT_TRUE(setSensitivityFromSpin(p, -5));
    EXPECT_EQ(p.Sensitivity, 1);
    EXPECT_FALSE(setSensitivityFromSpin(p, 6));
    EXPECT_FALSE(setSensitivity(p, 0));
    EXPECT_EQ(p.Sensitivity, 1);

    EXPECT_TRUE(setDoubleClickPosition(p, 11));
    EXPECT_EQ(p.DbleClickSpeed, 200);
    EXPECT_FALSE(setDoubleClickPosition(p, 12));
    EXPECT_EQ(p.DbleClickSpeed, 200);
    p.DbleClickSpeed = 500;  // from a file: shown at the next slower position
    EXPECT_EQ(doubleClickPosition(p), 7);

    EXPECT_FALSE(setScrollSpeed(p, 11));
    EXPECT_TRUE(setScrollOnePage(p, true));
    EXPECT_EQ(p.ScrollWheelFlag, 1);
}

TEST_F(PageControls, CpiRowsLinkXAndYAndKeepTheActiveLevelOn)
{
    EXPECT_EQ(cpiHundredsOfSpin(7000), 50);
    EXPECT_EQ(cpiHundredsOfSpin(0), 1);
    EXPECT_EQ(cpiSpinValue(50), 5000);

    const int row2 = kFirstCpiRowId + 2;
    CpiRowChange change = applyCpiRowCommand(p, row2, 2, 20);  // linked by default
    EXPECT_TRUE(change.xChanged && change.yChanged);
    EXPECT_EQ(p.CpiLevel_Y[2], 20);
    applyCpiRowCommand(p, row2, 5, 0);
    change = applyCpiRowCommand(p, row2, 4, 30);
    EXPECT_TRUE(change.yChanged && !change.xChanged);
    EXPECT_EQ(p.CpiLevel_X[2], 20);
    change = applyCpiRowCommand(p, row2, 5, 1);  // linking copies X to Y
    EXPECT_EQ(p.CpiLevel_Y[2], 20);
    EXPECT_TRUE(change.yChanged);

    const int active = kFirstCpiRowId + p.Cpi_X;
    EXPECT_FALSE(cpiRowView(p, p.Cpi_X).enableBoxUsable);
    EXPECT_FALSE(applyCpiRowCommand(p, active, 1, 0).applied);
    EXPECT_EQ(p.dpi[p.Cpi_X], 1);
    EXPECT_TRUE(applyCpiRowCommand(p, row2 + 1, 1, 0).applied);
    EXPECT_FALSE(cpiRowView(p, 3).controlsUsable);
    EXPECT_FALSE(applyCpiRowCommand(p, row2 + 1, 3, 0).applied);  // a level that is off is not selected
    EXPECT_TRUE(applyCpiRowCommand(p, row2, 3, 0).activeChanged);
    EXPECT_EQ(p.Cpi_X, 2);

    const int refused[][3] = {{499, 2, 10}, {505, 2, 10}, {row2, 2, 51}, {row2, 4, 0},
                              {row2, 6, 1},  {row2, 1, 2},  {row2, 5, 256}};
    for (const auto& [row, command, value] : refused)
        EXPECT_FALSE(applyCpiRowCommand(p, row, command, value).applied) << row << " " << command << " " << value;
}

TEST_F(PageControls, AdvancedControlsStoreThroughTheirTablesAndOffsets)
{
    p.MouseSpeed = 9;
    EXPECT_EQ(pointerPosition(p), 6);
    EXPECT_TRUE(setPointerPosition(p, 6));
    EXPECT_EQ(p.MouseSpeed, 10);
    EXPECT_FALSE(setPointerPosition(p, 0));

    p.Acceleration = 13;
    EXPECT_TRUE(setAcceleration(p, true));
    EXPECT_EQ(p.Acceleration, 8);
    EXPECT_TRUE(setAcceleration(p, false));
    EXPECT_EQ(p.AccelerationFlag, 0);
    EXPECT_EQ(p.Acceleration, 0);
    p.MouseTrails = 2;
    EXPECT_TRUE(trailsShown(p));
    EXPECT_TRUE(setTrails(p, true));
    EXPECT_EQ(p.MouseTrails, 5);

    EXPECT_TRUE(setSensorAlignmentFromSpin(p, 30));
    EXPECT_EQ(p.SAlignment, 60);
    EXPECT_TRUE(setSensorAlignmentFromSpin(p, -30));
    EXPECT_EQ(p.SAlignment, 0);
    EXPECT_EQ(sensorAlignmentSpinValue(p.SAlignment), -30);
    EXPECT_FALSE(setSensorAlignmentFromSpin(p, 31));
    EXPECT_FALSE(setAngleSnap(p, 7));

    EXPECT_EQ(kPadtuneLevelButtons[1], "eztra low");
    EXPECT_EQ(kPadtuneLevelButtons[3], "normal");
    EXPECT_TRUE(setPollingRate(p, 2));
    EXPECT_FALSE(setPollingRate(p, 4));
    EXPECT_EQ(p.PollingRate, 2);
}

TEST_F(PageControls, PaletteStoresItsColourAndTheIndicatorShowsTheSwatchColour)
{
    p.UseColorForAll = 1;
    p.LightInfo[2].On = 0;
    ASSERT_TRUE(choosePaletteSwatch(p, 7));
    for (const settings::ColorRecord& record : p.LightInfo) {
        EXPECT_EQ(record.TableIndex, 7);
        EXPECT_EQ(record.Red, 255);
        EXPECT_EQ(record.Green, 0);
    }
    EXPECT_EQ(p.LightInfo[2].On, 0);
    EXPECT_EQ(p.LtChoseType, 0);

    p.UseColorForAll = 0;
    ASSERT_TRUE(choosePaletteSwatch(p, 16));
    EXPECT_EQ((Rgb{p.LightInfo[0].Red, p.LightInfo[0].Green, p.LightInfo[0].Blue}), (Rgb{0, 250, 250}));
    EXPECT_EQ(p.LightInfo[1].TableIndex, 7);
    EXPECT_FALSE(choosePaletteSwatch(p, 33));
    EXPECT_EQ(markedSwatch(p), 16);

    p.LightEffectType = 2;
    EXPECT_EQ(colorIndicator(p), (Rgb{1, 203, 207}));  // the shown colour, not the stored one
    p.LightInfo[0].TableIndex = 40;
    EXPECT_EQ(markedSwatch(p), std::nullopt);
    EXPECT_EQ(colorIndicator(p), (Rgb{0, 250, 250}));
    ASSERT_TRUE(setCustomColorComponent(p, kGreenSpinId, 99));
    EXPECT_FALSE(setCustomColorComponent(p, kBlueSpinId, 256));
    EXPECT_FALSE(setCustomColorComponent(p, 503, 1));
    p.LtChoseType = 1;
    EXPECT_EQ(colorIndicator(p), (Rgb{0, 99, 0}));
    p.LightEffectType = 0;
    EXPECT_EQ(colorIndicator(p), Rgb{});
}

TEST(HueBarPicker, PressesNearTheHueBarPickClampedPointsAndDragsFollow)
{
    HueBarPicker picker;
    EXPECT_EQ(picker.press({2, 10}), std::nullopt);
    EXPECT_FALSE(picker.move({50, 10}));
    const std::optional<HueBarPick> pick = picker.press({173 - 1, 3});
    ASSERT_TRUE(pick);
    EXPECT_EQ(pick->point, (PickerPoint{169, 6}));
    EXPECT_EQ(pick->pixel, (PickerPoint{163, 0}));
    EXPECT_EQ(pick->marker, (PickerPoint{163, 0}));
    EXPECT_EQ(picker.move({-100, 100})->point, (PickerPoint{6, 21}));
    picker.release();
    EXPECT_FALSE(picker.move({50, 10}));
    EXPECT_FALSE(takesPickedColor({255, 255, 255}));
    EXPECT_TRUE(takesPickedColor({255, 255, 254}));
}

}  // namespace
}  // namespace option::core::test
