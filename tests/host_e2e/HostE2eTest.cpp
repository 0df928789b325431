// The mouse's buttons through the bridge and the monitor to the X server: a
// macro's keys in order with their pauses, a held shortcut's key repeating, and
// a profile switch made on the mouse reaching config.ini and the application.

#include <gtest/gtest.h>

#include <X11/keysym.h>

#include <algorithm>

#include "ApplyButtons.h"
#include "E2eChecks.h"
#include "MonitorRig.h"
#include "RawKeyObserver.h"
#include "messages/MessageNumbers.h"

namespace e2e {
namespace {

// Device button N acts with slot N of the active profile.
constexpr int kMacroButton = 3;
constexpr int kShortcutButton = 4;
constexpr std::uint8_t kUsageA = 4, kUsageB = 5, kUsageC = 6, kUsageX = 27;
constexpr std::uint8_t kDown = settings::kMacroActionPress;
constexpr std::uint8_t kUp = settings::kMacroActionRelease;

std::size_t countOf(const std::vector<RawKey>& events, unsigned keycode, bool press)
{
    return static_cast<std::size_t>(std::count_if(events.begin(), events.end(), [&](const RawKey& key) {
        return key.keycode == keycode && key.press == press;
    }));
}

class HostEndToEnd : public ::testing::Test {
protected:
    void SetUp() override
    {
        observer = RawKeyObserver::open();
        ASSERT_TRUE(observer) << "needs an X display with XInput2";
        ASSERT_TRUE(rig.startMouse());
        monitor = rig.startMonitor();
        ASSERT_TRUE(monitor && rig.waitForStartupRead());
    }

    bool press(int button) { return rig.mouseCommand("press " + std::to_string(button)).has_value(); }
    bool release(int button) { return rig.mouseCommand("release " + std::to_string(button)).has_value(); }

    std::unique_ptr<RawKeyObserver> observer;
    MonitorRig rig;
    std::unique_ptr<ChildProcess> monitor;
};

TEST_F(HostEndToEnd, MacroButtonTypesTheKeysInOrderWithTheirPauses)
{
    const std::vector<settings::MacroEvent> macro = {
        {kUsageA, kDown, 60}, {kUsageA, kUp, 60}, {kUsageB, kDown, 60},
        {kUsageB, kUp, 200},  {kUsageC, kDown, 60}, {kUsageC, kUp, 0},
    };
    ASSERT_TRUE(applyToMonitor(rig.tree(), [&](settings::SettingsBlock& block) {
        assignMacro(block, kMacroButton, macro);
    }));
    const unsigned a = observer->keycodeOf(XK_a), b = observer->keycodeOf(XK_b), c = observer->keycodeOf(XK_c);
    ASSERT_TRUE(press(kMacroButton));
    ASSERT_TRUE(release(kMacroButton));
    ASSERT_TRUE(observer->waitUntil([&](const std::vector<RawKey>& events) { return countOf(events, c, false) > 0; },
                                    5s));

    const std::vector<RawKey> events = observer->events();
    ASSERT_EQ(events.size(), macro.size());
    const std::vector<std::pair<unsigned, bool>> expected = {{a, true},  {a, false}, {b, true},
                                                             {b, false}, {c, true},  {c, false}};
    for (std::size_t i = 0; i < events.size(); ++i) {
        EXPECT_EQ(events[i].keycode, expected[i].first) << i;
        EXPECT_EQ(events[i].press, expected[i].second) << i;
    }
    for (std::size_t i = 1; i < events.size(); ++i) {
        const long long gap = static_cast<long long>(events[i].serverTimeMs - events[i - 1].serverTimeMs);
        const int delay = macro[i - 1].DelayMs;
        // Never shorter than the macro says; the upper bound only catches a
        // pause taken in the wrong unit or doubled (its precision is measured
        // by bench/host, not here, where a loaded machine may be late).
        EXPECT_GE(gap, delay - 5) << "pause after event " << i - 1;
        EXPECT_LE(gap, delay * 3 + 250) << "pause after event " << i - 1;
    }
}

TEST_F(HostEndToEnd, HeldShortcutRepeatsAfterOneSecondTenTimesASecond)
{
    ASSERT_TRUE(applyToMonitor(rig.tree(), [&](settings::SettingsBlock& block) {
        assignShortcut(block, kShortcutButton, kUsageX);
    }));
    const unsigned x = observer->keycodeOf(XK_x);
    ASSERT_TRUE(press(kShortcutButton));
    // The first press and ten repeats.
    const bool repeated = observer->waitUntil(
        [&](const std::vector<RawKey>& events) { return countOf(events, x, true) >= 11; }, 5s);
    ASSERT_TRUE(release(kShortcutButton));
    ASSERT_TRUE(repeated);
    ASSERT_TRUE(observer->waitUntil(
        [&](const std::vector<RawKey>& events) {
            return !events.empty() && events.back().keycode == x && !events.back().press;
        },
        5s));

    std::vector<std::uint64_t> presses;
    for (const RawKey& key : observer->events())
        if (key.keycode == x && key.press)
            presses.push_back(key.serverTimeMs);
    ASSERT_GE(presses.size(), 11u);
    const long long firstRepeat = static_cast<long long>(presses[1] - presses[0]);
    EXPECT_GE(firstRepeat, 990);
    EXPECT_LE(firstRepeat, 1200);
    const long long tenRepeats = static_cast<long long>(presses[10] - presses[1]);
    EXPECT_GE(tenRepeats, 850) << "nine periods of 100 ms";
    EXPECT_LE(tenRepeats, 1100);
    // Each repeat lets the key go before pressing it again.
    EXPECT_EQ(countOf(observer->events(), x, false), presses.size());
}

TEST_F(HostEndToEnd, ProfileSwitchOnTheMouseReachesConfigIniAndTheApplication)
{
    std::unique_ptr<ChildProcess> application = rig.startPeer({"window", messages::kOptionWindowTitle});
    ASSERT_TRUE(application && application->waitForLine("ready", 5s));
    ASSERT_NE(iniValue(rig.readTreeFile("config.ini"), "CurrentProfile"), "3");
    ASSERT_TRUE(rig.mouseCommand("event 0x20 4"));
    ASSERT_TRUE(application->waitForLine("message 1255 0 0", 5s));
    EXPECT_EQ(iniValue(rig.readTreeFile("config.ini"), "CurrentProfile"), "3");
}

}  // namespace
}  // namespace e2e
