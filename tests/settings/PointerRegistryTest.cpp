#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/registry/RegistryStore.h"
#include "settings/BlockDefaults.h"
#include "settings/PointerRegistry.h"
#include "tests/settings/TempFolder.h"

namespace settings {
namespace {

class PointerRegistryTest : public ::testing::Test {
protected:
    void SetUp() override { createDefaultProfile(*profile, 0); }

    std::string mouseValue(const char* name) const { return value(kMouseKey, name); }
    std::string desktopValue(const char* name) const { return value(kDesktopKey, name); }

    static std::string value(const char* key, const char* name)
    {
        const auto opened = platform::RegistryKey::open(key);
        if (!opened)
            return "<no key>";
        return opened->readString(name).value_or("<missing>");
    }

    static void setMouse(const char* name, const char* text)
    {
        auto key = platform::RegistryKey::openOrCreate(kMouseKey);
        ASSERT_TRUE(key);
        ASSERT_TRUE(key->writeString(name, text));
    }

    static void setDesktop(const char* name, const char* text)
    {
        auto key = platform::RegistryKey::openOrCreate(kDesktopKey);
        ASSERT_TRUE(key);
        ASSERT_TRUE(key->writeString(name, text));
    }

    static void setAcceleration(const char* speed, const char* threshold1, const char* threshold2)
    {
        setMouse("MouseSpeed", speed);
        setMouse("MouseThreshold1", threshold1);
        setMouse("MouseThreshold2", threshold2);
    }

    test::TempFolder temp;
    std::unique_ptr<ProfileRecord> profile = std::make_unique<ProfileRecord>();
};

TEST_F(PointerRegistryTest, ProfileFieldsBecomeDecimalValues)
{
    profile->DbleClickSpeed = 350;
    profile->MouseSpeed = 14;
    profile->MouseTrails = 0;
    profile->TiltSpeed = 5;
    profile->ScrollWheelSpeed = 7;
    EXPECT_EQ(profileToRegistry(*profile), 1);
    EXPECT_EQ(mouseValue("DoubleClickSpeed"), "350");
    EXPECT_EQ(mouseValue("MouseSensitivity"), "14");
    EXPECT_EQ(mouseValue("MouseTrails"), "0");
    EXPECT_EQ(desktopValue("WheelScrollLines"), "7");
    EXPECT_EQ(desktopValue("WheelScrollChars"), "5");
}

TEST_F(PointerRegistryTest, AccelerationRowIsClampedAndOffMeansRowZero)
{
    profile->AccelerationFlag = 1;
    profile->Acceleration = 25;
    profileToRegistry(*profile);
    EXPECT_EQ(mouseValue("MouseSpeed"), "2");
    EXPECT_EQ(mouseValue("MouseThreshold1"), "4");
    EXPECT_EQ(mouseValue("MouseThreshold2"), "5");

    profile->Acceleration = -3;
    profileToRegistry(*profile);
    EXPECT_EQ(mouseValue("MouseSpeed"), "0");

    profile->Acceleration = 25;
    profile->AccelerationFlag = 0;
    profileToRegistry(*profile);
    EXPECT_EQ(mouseValue("MouseSpeed"), "0");
    EXPECT_EQ(mouseValue("MouseThreshold1"), "0");
    EXPECT_EQ(mouseValue("MouseThreshold2"), "0");

    profile->AccelerationFlag = 2;  // not 0: on
    profile->Acceleration = 13;
    profileToRegistry(*profile);
    EXPECT_EQ(mouseValue("MouseThreshold2"), "11");
}

TEST_F(PointerRegistryTest, RegistryRowMatchIsTheLastRowThatFits)
{
    setAcceleration("1", "6", "0");
    EXPECT_EQ(registryToProfile(*profile), 1);
    EXPECT_EQ(profile->Acceleration, 8);
    EXPECT_EQ(profile->AccelerationFlag, 1);

    setAcceleration("0", "0", "0");
    registryToProfile(*profile);
    EXPECT_EQ(profile->Acceleration, 0);
    EXPECT_EQ(profile->AccelerationFlag, 0);
}

TEST_F(PointerRegistryTest, NoMatchingRowKeepsTheValue)
{
    profile->Acceleration = 12;
    setAcceleration("1", "6", "10");  // no speed-1 row has a second threshold
    registryToProfile(*profile);
    EXPECT_EQ(profile->Acceleration, 12);
    EXPECT_EQ(profile->AccelerationFlag, 1);
}

TEST_F(PointerRegistryTest, SpeedZeroIsOffWhateverTheThresholds)
{
    profile->Acceleration = 12;
    profile->AccelerationFlag = 1;
    setAcceleration("0", "6", "10");
    registryToProfile(*profile);
    EXPECT_EQ(profile->Acceleration, 0);
    EXPECT_EQ(profile->AccelerationFlag, 0);
}

TEST_F(PointerRegistryTest, EveryRowReadsBackAsItself)
{
    for (int row = 1; row < kAccelerationRowCount; ++row) {
        profile->AccelerationFlag = 1;
        profile->Acceleration = row;
        profileToRegistry(*profile);
        profile->Acceleration = -1;
        registryToProfile(*profile);
        EXPECT_EQ(profile->Acceleration, row);
    }
}

TEST_F(PointerRegistryTest, WholeScreenScrollingRoundTrips)
{
    profile->ScrollWheelFlag = 1;
    profile->ScrollWheelSpeed = 8;
    profileToRegistry(*profile);
    EXPECT_EQ(desktopValue("WheelScrollLines"), "-1");

    profile->ScrollWheelFlag = 0;
    registryToProfile(*profile);
    EXPECT_EQ(profile->ScrollWheelFlag, 1);
    EXPECT_EQ(profile->ScrollWheelSpeed, 8);

    profile->ScrollWheelSpeed = 11;
    registryToProfile(*profile);
    EXPECT_EQ(profile->ScrollWheelSpeed, 3) << "a speed outside 1-10 is replaced";

    setDesktop("WheelScrollLines", "5");
    registryToProfile(*profile);
    EXPECT_EQ(profile->ScrollWheelFlag, 0);
    EXPECT_EQ(profile->ScrollWheelSpeed, 5);
}

TEST_F(PointerRegistryTest, MissingValuesLeaveTheirFields)
{
    profile->AccelerationFlag = 0;
    const auto before = *profile;
    EXPECT_EQ(registryToProfile(*profile), 1);
    EXPECT_EQ(profile->DbleClickSpeed, before.DbleClickSpeed);
    EXPECT_EQ(profile->Acceleration, before.Acceleration);
    EXPECT_EQ(profile->AccelerationFlag, 0);
    EXPECT_EQ(profile->ScrollWheelSpeed, before.ScrollWheelSpeed);
    EXPECT_EQ(profile->TiltSpeed, before.TiltSpeed);

    setMouse("DoubleClickSpeed", "  612ms");
    setDesktop("WheelScrollChars", "x");
    registryToProfile(*profile);
    EXPECT_EQ(profile->DbleClickSpeed, 612);
    EXPECT_EQ(profile->TiltSpeed, 0);
}

TEST_F(PointerRegistryTest, NoRegistryStoreReportsFailure)
{
    test::ScopedEnv noConfig("XDG_CONFIG_HOME", temp.path() + "not-a-folder/x");
    test::writeFile(temp.path() + "not-a-folder", "file");
    if (!platform::registryFile().empty())
        GTEST_SKIP() << "the store found a home folder of its own";
    const auto before = *profile;
    EXPECT_EQ(profileToRegistry(*profile), -1);
    EXPECT_EQ(registryToProfile(*profile), 0);
    EXPECT_EQ(profile->DbleClickSpeed, before.DbleClickSpeed);
}

}  // namespace
}  // namespace settings
