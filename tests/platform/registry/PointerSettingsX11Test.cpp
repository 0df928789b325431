// Needs an X server (label "gui"; run under Xvfb).

#include "platform/registry/PointerSettings.h"
#include "platform/registry/RegistryStore.h"
#include "ConfigHome.h"

#include <gtest/gtest.h>
// After gtest: Xlib defines macros such as None.
#include <X11/Xlib.h>

#include <cstdlib>

namespace platform {
namespace {

struct PointerControl {
    int numerator = 0;
    int denominator = 0;
    int threshold = 0;
};

class X11PointerSettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home_.valid());
        display_ = XOpenDisplay(nullptr);
        if (!display_) GTEST_SKIP() << "no X display";
        original_ = current();
        settings_ = createSystemPointerSettings();
    }
    void TearDown() override
    {
        if (!display_) return;
        XChangePointerControl(display_, True, True, original_.numerator, original_.denominator,
                              original_.threshold);
        XCloseDisplay(display_);
    }

    // What the server holds now, seen through a connection of our own.
    PointerControl current()
    {
        PointerControl control;
        XGetPointerControl(display_, &control.numerator, &control.denominator, &control.threshold);
        return control;
    }

    test::ConfigHome home_;
    Display* display_ = nullptr;
    PointerControl original_;
    std::unique_ptr<PointerSettings> settings_;
};

TEST_F(X11PointerSettingsTest, AccelerationReachesTheServer)
{
    ASSERT_TRUE(settings_->setMouseAcceleration(6, 0, 1));
    PointerControl control = current();
    EXPECT_EQ(control.numerator, 2);
    EXPECT_EQ(control.denominator, 1);
    EXPECT_EQ(control.threshold, 6);

    ASSERT_TRUE(settings_->setMouseAcceleration(4, 13, 2));
    control = current();
    EXPECT_EQ(control.numerator, 4);
    EXPECT_EQ(control.denominator, 1);
    EXPECT_EQ(control.threshold, 13);

    ASSERT_TRUE(settings_->setMouseAcceleration(0, 0, 0));
    control = current();
    EXPECT_EQ(control.numerator, control.denominator);
    EXPECT_EQ(control.threshold, 13);
}

TEST_F(X11PointerSettingsTest, ValuesWithoutAnX11PlaceAreStillKept)
{
    EXPECT_TRUE(settings_->setPointerSpeed(12));
    EXPECT_TRUE(settings_->setDoubleClickTime(640));
    EXPECT_TRUE(settings_->setMouseTrails(3));
    const auto key = RegistryKey::open(kSystemParametersKey);
    ASSERT_TRUE(key);
    EXPECT_EQ(key->readString(kPointerSpeedValue), "12");
    EXPECT_EQ(key->readString(kDoubleClickTimeValue), "640");
    EXPECT_EQ(key->readString(kMouseTrailsValue), "3");
}

}  // namespace
}  // namespace platform
