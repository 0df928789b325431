#include "platform/registry/PointerMapping.h"
#include "platform/registry/PointerSettings.h"
#include "platform/registry/RegistryStore.h"
#include "ConfigHome.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace platform {
namespace {

std::optional<std::string> storedParameter(const char* name)
{
    const auto key = RegistryKey::open(kSystemParametersKey);
    return key ? key->readString(name) : std::nullopt;
}

TEST(PointerMappingTest, WindowsAccelerationBecomesOneXRatioAndThreshold)
{
    const XPointerAcceleration off = xPointerAcceleration(6, 10, 0);
    EXPECT_EQ(off.numerator, 1);
    EXPECT_EQ(off.denominator, 1);
    EXPECT_FALSE(off.setsThreshold);

    const XPointerAcceleration doubled = xPointerAcceleration(6, 0, 1);
    EXPECT_EQ(doubled.numerator, 2);
    EXPECT_EQ(doubled.denominator, 1);
    EXPECT_TRUE(doubled.setsThreshold);
    EXPECT_EQ(doubled.threshold, 6);

    const XPointerAcceleration quadrupled = xPointerAcceleration(4, 13, 2);
    EXPECT_EQ(quadrupled.numerator, 4);
    EXPECT_EQ(quadrupled.denominator, 1);
    EXPECT_TRUE(quadrupled.setsThreshold);
    EXPECT_EQ(quadrupled.threshold, 13);
}

TEST(PointerMappingTest, PointerSpeedBecomesLibinputSpeed)
{
    EXPECT_FLOAT_EQ(libinputAccelSpeed(10), 0.0f);
    EXPECT_FLOAT_EQ(libinputAccelSpeed(1), -0.9f);
    EXPECT_FLOAT_EQ(libinputAccelSpeed(15), 0.5f);
    EXPECT_FLOAT_EQ(libinputAccelSpeed(20), 1.0f);
    EXPECT_FLOAT_EQ(libinputAccelSpeed(0), -1.0f);
    EXPECT_FLOAT_EQ(libinputAccelSpeed(-30), -1.0f);
    EXPECT_FLOAT_EQ(libinputAccelSpeed(40), 1.0f);
}

// Without a display every call still returns and the values read back.
class HeadlessPointerSettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home_.valid());
        if (const char* display = std::getenv("DISPLAY")) savedDisplay_ = display;
        unsetenv("DISPLAY");
        settings_ = createSystemPointerSettings();
        ASSERT_TRUE(settings_);
    }
    void TearDown() override
    {
        if (savedDisplay_) setenv("DISPLAY", savedDisplay_->c_str(), 1);
    }

    test::ConfigHome home_;
    std::optional<std::string> savedDisplay_;
    std::unique_ptr<PointerSettings> settings_;
};

TEST_F(HeadlessPointerSettingsTest, EveryValueIsKeptAndReadsBack)
{
    EXPECT_TRUE(settings_->setDoubleClickTime(430));
    EXPECT_TRUE(settings_->setMouseAcceleration(4, 11, 2));
    EXPECT_TRUE(settings_->setPointerSpeed(14));
    EXPECT_TRUE(settings_->setWheelScrollLines(-1));
    EXPECT_TRUE(settings_->setWheelScrollChars(5));
    EXPECT_TRUE(settings_->setMouseTrails(7));

    EXPECT_EQ(storedParameter(kDoubleClickTimeValue), "430");
    EXPECT_EQ(storedParameter(kMouseThreshold1Value), "4");
    EXPECT_EQ(storedParameter(kMouseThreshold2Value), "11");
    EXPECT_EQ(storedParameter(kMouseAccelerationValue), "2");
    EXPECT_EQ(storedParameter(kPointerSpeedValue), "14");
    EXPECT_EQ(storedParameter(kWheelScrollLinesValue), "-1");
    EXPECT_EQ(storedParameter(kWheelScrollCharsValue), "5");
    EXPECT_EQ(storedParameter(kMouseTrailsValue), "7");
}

TEST_F(HeadlessPointerSettingsTest, DoubleClickTimeFollowsTheWindowsLimits)
{
    EXPECT_TRUE(settings_->setDoubleClickTime(0));
    EXPECT_EQ(storedParameter(kDoubleClickTimeValue), "500");
    EXPECT_TRUE(settings_->setDoubleClickTime(9000));
    EXPECT_EQ(storedParameter(kDoubleClickTimeValue), "5000");
}

TEST_F(HeadlessPointerSettingsTest, ValuesOutOfRangeAreRefusedAndChangeNothing)
{
    ASSERT_TRUE(settings_->setDoubleClickTime(300));
    ASSERT_TRUE(settings_->setMouseAcceleration(6, 10, 1));
    ASSERT_TRUE(settings_->setPointerSpeed(10));
    ASSERT_TRUE(settings_->setWheelScrollLines(3));
    ASSERT_TRUE(settings_->setWheelScrollChars(3));
    ASSERT_TRUE(settings_->setMouseTrails(0));

    EXPECT_FALSE(settings_->setDoubleClickTime(-1));
    EXPECT_FALSE(settings_->setMouseAcceleration(6, 10, 3));
    EXPECT_FALSE(settings_->setMouseAcceleration(-1, 10, 1));
    EXPECT_FALSE(settings_->setMouseAcceleration(6, -1, 1));
    EXPECT_FALSE(settings_->setMouseAcceleration(6, 10, -1));
    EXPECT_FALSE(settings_->setPointerSpeed(0));
    EXPECT_FALSE(settings_->setPointerSpeed(21));
    EXPECT_FALSE(settings_->setWheelScrollLines(-2));
    EXPECT_FALSE(settings_->setWheelScrollChars(-1));
    EXPECT_FALSE(settings_->setMouseTrails(-1));

    EXPECT_EQ(storedParameter(kDoubleClickTimeValue), "300");
    EXPECT_EQ(storedParameter(kMouseThreshold1Value), "6");
    EXPECT_EQ(storedParameter(kMouseThreshold2Value), "10");
    EXPECT_EQ(storedParameter(kMouseAccelerationValue), "1");
    EXPECT_EQ(storedParameter(kPointerSpeedValue), "10");
    EXPECT_EQ(storedParameter(kWheelScrollLinesValue), "3");
    EXPECT_EQ(storedParameter(kWheelScrollCharsValue), "3");
    EXPECT_EQ(storedParameter(kMouseTrailsValue), "0");
}

TEST_F(HeadlessPointerSettingsTest, KeptValuesOutliveTheSettingsObject)
{
    ASSERT_TRUE(settings_->setWheelScrollLines(9));
    settings_.reset();
    EXPECT_EQ(storedParameter(kWheelScrollLinesValue), "9");
}

}  // namespace
}  // namespace platform
