#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/registry/RegistryStore.h"
#include "settings/ApplyPointerSettings.h"
#include "settings/BlockDefaults.h"
#include "settings/PointerRegistry.h"
#include "tests/settings/TempFolder.h"

namespace settings {
namespace {

// Records every call in the order the system would see it.
class Recorder : public platform::PointerSettings, public SettingChangeNotifier {
public:
    std::vector<std::string> calls;

    bool setDoubleClickTime(int ms) override { return record("doubleClick " + std::to_string(ms)); }
    bool setMouseAcceleration(int t1, int t2, int speed) override
    {
        return record("mouse " + std::to_string(t1) + " " + std::to_string(t2) + " " + std::to_string(speed));
    }
    bool setPointerSpeed(int speed) override { return record("speed " + std::to_string(speed)); }
    bool setWheelScrollLines(int lines) override { return record("lines " + std::to_string(lines)); }
    bool setWheelScrollChars(int chars) override { return record("chars " + std::to_string(chars)); }
    bool setMouseTrails(int trails) override { return record("trails " + std::to_string(trails)); }
    void notifyOwnWindow(platform::WParam setting) override { record("own " + std::to_string(setting)); }
    void notifyAllWindows(platform::WParam setting) override { record("all " + std::to_string(setting)); }

private:
    bool record(std::string call)
    {
        calls.push_back(std::move(call));
        return false;  // failures must not stop the sequence
    }
};

void setMouseValue(const char* name, const char* text)
{
    auto key = platform::RegistryKey::openOrCreate(kMouseKey);
    ASSERT_TRUE(key);
    key->writeString(name, text);
}

std::string mouseValue(const char* name)
{
    const auto key = platform::RegistryKey::open(kMouseKey);
    return key ? key->readString(name).value_or("<missing>") : "<no key>";
}

class ApplyPointerSettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        createDefaultBlock(*block, 1);
        block->CurrentProfile = 2;
    }
    ProfileRecord& active() { return block->Profiles[2]; }

    test::TempFolder temp;
    std::unique_ptr<SettingsBlock> block = std::make_unique<SettingsBlock>();
    Recorder recorder;
};

TEST_F(ApplyPointerSettingsTest, SetsEverySettingInOrderWithItsNotification)
{
    active().DbleClickSpeed = 400;
    active().AccelerationFlag = 1;
    active().MouseSpeed = 12;
    active().ScrollWheelSpeed = 4;
    active().TiltSpeed = 2;
    active().MouseTrails = 5;
    setMouseValue("MouseSpeed", "1");
    setMouseValue("MouseThreshold1", "6");
    setMouseValue("MouseThreshold2", "0");

    ASSERT_TRUE(applyPointerSettings(*block, false, recorder, recorder));
    EXPECT_THAT(recorder.calls,
                ::testing::ElementsAre("doubleClick 400", "mouse 6 0 1", "own 4", "speed 12", "own 113",
                                       "lines 4", "all 105", "chars 2", "all 109", "trails 5", "all 93"));
}

TEST_F(ApplyPointerSettingsTest, ValuesNoPageCouldSetReachNeitherTheDesktopNorTheRegistry)
{
    active().DbleClickSpeed = -7;
    active().MouseSpeed = 0;
    active().ScrollWheelSpeed = 11;
    active().TiltSpeed = 900;
    active().MouseTrails = -1;
    ASSERT_TRUE(applyPointerSettings(*block, false, recorder, recorder));
    EXPECT_THAT(recorder.calls, ::testing::IsSupersetOf({"doubleClick 480", "speed 10", "lines 3", "chars 3",
                                                         "trails 0"}));
    EXPECT_EQ(active().DbleClickSpeed, -7) << "the stored value is kept";

    ASSERT_EQ(profileToRegistry(active()), 1);
    EXPECT_EQ(mouseValue("DoubleClickSpeed"), "480");
    EXPECT_EQ(mouseValue("MouseSensitivity"), "10");
    EXPECT_EQ(mouseValue("MouseTrails"), "0");
    const auto desktop = platform::RegistryKey::open(kDesktopKey);
    ASSERT_TRUE(desktop);
    EXPECT_EQ(desktop->readString("WheelScrollLines").value_or(""), "3");
    EXPECT_EQ(desktop->readString("WheelScrollChars").value_or(""), "3");

    active().DbleClickSpeed = 510;  // between the slider's positions: the system's own value
    ASSERT_EQ(profileToRegistry(active()), 1);
    EXPECT_EQ(mouseValue("DoubleClickSpeed"), "510");
}

TEST_F(ApplyPointerSettingsTest, AccelerationLeftInTheRegistryIsResetWhenOff)
{
    active().AccelerationFlag = 0;
    active().Acceleration = 10;
    setMouseValue("MouseSpeed", "2");
    setMouseValue("MouseThreshold1", "4");
    setMouseValue("MouseThreshold2", "9");

    applyPointerSettings(*block, false, recorder, recorder);
    EXPECT_EQ(recorder.calls.at(1), "mouse 0 0 0");
    EXPECT_EQ(active().Acceleration, 0);
    EXPECT_EQ(mouseValue("MouseSpeed"), "0");
    EXPECT_EQ(mouseValue("MouseThreshold1"), "0");
    EXPECT_EQ(mouseValue("MouseThreshold2"), "0");
}

TEST_F(ApplyPointerSettingsTest, WholeScreenScrollingAndRegistryFirst)
{
    auto desktop = platform::RegistryKey::openOrCreate(kDesktopKey);
    ASSERT_TRUE(desktop);
    desktop->writeString("WheelScrollLines", "-1");
    desktop->writeString("WheelScrollChars", "6");
    setMouseValue("DoubleClickSpeed", "510");

    applyPointerSettings(*block, true, recorder, recorder);
    EXPECT_EQ(recorder.calls.at(0), "doubleClick 510");
    EXPECT_EQ(recorder.calls.at(5), "lines -1");
    EXPECT_EQ(recorder.calls.at(7), "chars 6");
    EXPECT_EQ(active().ScrollWheelFlag, 1);
}

TEST_F(ApplyPointerSettingsTest, NothingWithoutAnActiveProfile)
{
    for (int current : {-1, 5, 7}) {
        block->CurrentProfile = current;
        EXPECT_FALSE(applyPointerSettings(*block, true, recorder, recorder));
    }
    EXPECT_TRUE(recorder.calls.empty());
}

}  // namespace
}  // namespace settings
