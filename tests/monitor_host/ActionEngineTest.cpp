#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "FakeClock.h"
#include "RecordingTimers.h"
#include "monitor/host/ActionEngine.h"
#include "settings/FixedText.h"
#include "settings/FunctionCodes.h"
#include "settings/ShortcutKey.h"
#include "tests/fakes/RecordingInjector.h"
#include "tests/fakes/RecordingMediaPlayers.h"

namespace monitor::host {
namespace {

using Lines = std::vector<std::string>;
using settings::MacroEvent;

constexpr std::uint8_t kUsageA = 4;  // virtual key 65
constexpr std::uint8_t kUsageB = 5;  // 66
constexpr std::uint8_t kUsageC = 6;  // 67

MacroEvent press(std::uint8_t key, std::uint16_t delay) { return {key, settings::kMacroActionPress, delay}; }
MacroEvent release(std::uint8_t key, std::uint16_t delay) { return {key, settings::kMacroActionRelease, delay}; }

settings::ButtonAssignment macroSlot(std::vector<MacroEvent> events, int loops)
{
    settings::ButtonAssignment slot;
    slot.FunctionCode = settings::kFunctionMacro;
    slot.MacroLoopCount = loops;
    slot.MacroEventCount = static_cast<std::uint16_t>(events.size());
    for (std::size_t i = 0; i < events.size(); ++i) slot.MacroEvents[i] = events[i];
    return slot;
}

// The player runs on the test's thread: a post plays the run at once, so a
// press made inside a wait meets a busy player, as on the player thread.
class MacroPlayerTest : public ::testing::Test {
protected:
    fakes::RecordingInjector injector;
    test::FakeClock clock{injector};
    MacroPlayerState state;
    MacroPlayer player{state, injector, clock};
    int runs = 0;
    MacroControl control{state, [this] {
                             ++runs;
                             player.play();
                             return true;
                         }};
};

TEST_F(MacroPlayerTest, LoopCountZeroPlaysOnceAndEmptyMacroNeverStarts)
{
    control.startOrStop(macroSlot({press(kUsageA, 10), release(kUsageA, 0)}, 0));
    EXPECT_EQ(clock.timeline(), (Lines{"down 65", "wait 10", "up 65", "wait 1"}));
    EXPECT_FALSE(state.busy);

    control.startOrStop(macroSlot({}, 3));
    EXPECT_EQ(runs, 1);
}

TEST_F(MacroPlayerTest, PressLongerThanRepeatDelayImitatesAutoRepeat)
{
    control.startOrStop(macroSlot({press(kUsageA, 700), release(kUsageA, 5)}, 1));
    Lines expected{"down 65", "wait 500"};
    for (int i = 0; i < 7; ++i) expected.insert(expected.end(), {"up 65", "down 65", "wait 33"});
    expected.insert(expected.end(), {"up 65", "wait 5"});
    EXPECT_EQ(clock.timeline(), expected);
}

TEST_F(MacroPlayerTest, SecondPressStopsAndReleasesHeldKeysNewestFirst)
{
    const auto slot = macroSlot({press(kUsageA, 100), press(kUsageB, 100), press(kUsageC, 100), release(kUsageA, 100),
                                 press(kUsageA, 100)},
                                5);
    clock.onWait = [&](int wait) {
        if (wait == 4) control.startOrStop(slot);
    };
    control.startOrStop(slot);
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(clock.timeline(), (Lines{"down 65", "wait 100", "down 66", "wait 100", "down 67", "wait 100", "up 65",
                                       "wait 100", "up 67", "wait 50", "up 66", "wait 50"}));
    EXPECT_FALSE(state.busy);
}

TEST_F(MacroPlayerTest, StopAtALoopsFirstEventStillReleasesTheHeldKey)
{
    const auto slot = macroSlot({press(kUsageA, 300)}, 3);
    clock.onWait = [&](int wait) {
        if (wait == 1) control.startOrStop(slot);
    };
    control.startOrStop(slot);
    EXPECT_EQ(clock.timeline(), (Lines{"down 65", "wait 300", "up 65", "wait 50"}));
}

TEST_F(MacroPlayerTest, StopDuringAutoRepeatEndsTheRepetition)
{
    const auto slot = macroSlot({press(kUsageA, 1000)}, 1);
    clock.onWait = [&](int wait) {
        if (wait == 3) control.startOrStop(slot);
    };
    control.startOrStop(slot);
    EXPECT_EQ(clock.timeline(), (Lines{"down 65", "wait 500", "up 65", "down 65", "wait 33", "up 65", "down 65",
                                       "wait 33", "up 65", "down 65", "up 65", "wait 50"}));
}

TEST_F(MacroPlayerTest, UnmatchedReleaseAndMouseButtons)
{
    control.startOrStop(macroSlot({release(kUsageB, 5), press(243, 1), release(243, 1), press(244, 1),
                                   release(244, 1), press(242, 1), release(242, 1)},
                                  1));
    EXPECT_EQ(clock.timeline(), (Lines{"up 66", "wait 5", "button down x2", "wait 1", "button up x2", "wait 1",
                                       "button down x1", "wait 1", "button up x1", "wait 1", "button down middle",
                                       "wait 1", "button up middle", "wait 1"}));
}

// A device that places keys by position gets the usage beside the virtual key,
// right Ctrl, Shift and Alt folded as their virtual keys are; a usage outside
// the recorder's table sends nothing.
TEST_F(MacroPlayerTest, KeysCarryTheirFoldedUsage)
{
    control.startOrStop(macroSlot({press(230, 1), press(kUsageA, 1), release(50, 1), release(231, 1)}, 1));
    std::vector<std::pair<int, int>> keys;
    for (const auto& event : injector.events()) keys.emplace_back(event.usage, event.virtualKey);
    EXPECT_EQ(keys, (std::vector<std::pair<int, int>>{{226, 18}, {kUsageA, 65}, {231, 92}}));
}

settings::ButtonAssignment shortcutSlot(std::uint8_t key, std::uint8_t modifiers)
{
    settings::ButtonAssignment slot;
    slot.FunctionCode = settings::kFunctionShortcut;
    settings::storeShortcut(slot, key, modifiers);
    return slot;
}

class ShortcutKeysTest : public ::testing::Test {
protected:
    fakes::RecordingInjector injector;
    test::FakeClock clock{injector};
    test::RecordingTimers timers;
    ShortcutKeys shortcuts{injector, clock, timers};
};

TEST_F(ShortcutKeysTest, ModifiersGoDownInOrderAndUpInReverseAroundTheRepeatingKey)
{
    shortcuts.press(shortcutSlot(kUsageA, settings::kShortcutCtrl | settings::kShortcutShift | settings::kShortcutAlt |
                                              settings::kShortcutWin));
    EXPECT_EQ(timers.period(kTimerShortcutRepeat), 1000u);
    shortcuts.repeat();
    EXPECT_EQ(timers.period(kTimerShortcutRepeat), 100u);
    shortcuts.repeat();
    shortcuts.release();
    EXPECT_FALSE(timers.runs(kTimerShortcutRepeat));
    EXPECT_EQ(clock.timeline(),
              (Lines{"down 17", "wait 1", "down 16", "wait 1", "down 18", "wait 1", "down 91", "wait 1", "down 65",
                     "up 65", "wait 1", "down 65", "up 65", "wait 1", "down 65", "up 65", "wait 1", "up 91", "wait 1",
                     "up 18", "wait 1", "up 16", "wait 1", "up 17"}));
}

TEST_F(ShortcutKeysTest, NoneSendsOnlyTheKeyAndModifierKeysNeverRepeat)
{
    shortcuts.press(shortcutSlot(kUsageB, settings::kShortcutNone | settings::kShortcutCtrl));
    shortcuts.release();
    EXPECT_EQ(clock.timeline(), (Lines{"down 66", "up 66"}));

    injector.clear();
    for (const std::uint8_t modifierKey : {std::uint8_t{225}, std::uint8_t{227}}) {  // left Shift, left Win
        shortcuts.press(shortcutSlot(modifierKey, settings::kShortcutNone));
        shortcuts.repeat();
        shortcuts.repeat();
        shortcuts.release();
    }
    EXPECT_EQ(injector.log(), (Lines{"down 16", "up 16", "down 91", "up 91"}));
}

struct FixedBlock : BlockReader {
    std::unique_ptr<settings::SettingsBlock> data = std::make_unique<settings::SettingsBlock>();
    const settings::SettingsBlock& block() const override { return *data; }
};

struct SoundNumbers : SoundOutput {
    std::vector<int> numbers;
    void play(int number, float) override { numbers.push_back(number); }
};

class ActionEngineTest : public ::testing::Test {
protected:
    FixedBlock settings;
    fakes::RecordingInjector injector;
    test::FakeClock clock{injector};
    test::RecordingTimers timers;
    MacroPlayerState state;
    int macroRuns = 0;
    MacroControl macros{state, [this] { return ++macroRuns, true; }};
    ShortcutKeys shortcuts{injector, clock, timers};
    SoundNumbers sounds;
    SoundFeedback feedback{settings, timers, sounds};
    fakes::RecordingMediaPlayers players;
    MediaControl media{players};
    std::vector<std::string> launched;
    ActionEngine engine{settings, macros, shortcuts, feedback, media,
                        [this](const std::string& path, const std::vector<std::string>& arguments) {
                            launched.push_back(path + " args " + std::to_string(arguments.size()));
                            return true;
                        }};

    settings::ButtonAssignment& slot(int index) { return settings.data->Profiles[0].MacroKeyInfo[index]; }
};

TEST_F(ActionEngineTest, ButtonActionsByFunctionCodeOnlyForSlotsOneToTwentyFour)
{
    slot(0).FunctionCode = settings::kFunctionTimer;
    slot(0).TimerValue = 3;
    slot(23) = macroSlot({press(kUsageA, 1)}, 1);
    slot(1).FunctionCode = settings::kFunctionStopTimer;

    engine.onButtonAction(0, false);
    engine.onButtonAction(25, false);
    EXPECT_TRUE(sounds.numbers.empty());

    engine.onButtonAction(1, true);  // release of a timer button does nothing
    engine.onButtonAction(1, false);
    EXPECT_EQ(feedback.countdown().remainingSeconds(), 3);
    engine.onButtonAction(24, true);
    EXPECT_EQ(macroRuns, 0);
    engine.onButtonAction(24, false);
    EXPECT_EQ(macroRuns, 1);
    engine.onButtonAction(2, false);
    EXPECT_EQ(sounds.numbers, (std::vector<int>{19, 18}));
}

TEST_F(ActionEngineTest, LaunchesTheSlotsProgramWithoutArgumentsOnlyForCode15)
{
    settings::setFieldText(slot(4).ProgramPath, "/usr/bin/my editor");
    engine.launchProgram(5);
    slot(4).FunctionCode = settings::kFunctionProgramLaunch;
    engine.launchProgram(5);
    engine.launchProgram(30);
    EXPECT_EQ(launched, (std::vector<std::string>{"/usr/bin/my editor args 0"}));
}

TEST_F(ActionEngineTest, MediaCommandsGoToTheChosenPlayerOnPressOnly)
{
    players.setRunning({"vlc", "audacious"});
    settings.data->Profiles[0].MediaOption = 2;
    engine.onMediaFunction(settings::kFunctionNextTrack, false);
    engine.onMediaFunction(settings::kFunctionNextTrack, true);
    settings.data->Profiles[0].MediaOption = 3;
    engine.onMediaFunction(settings::kFunctionPlayPause, false);
    engine.onMediaFunction(settings::kFunctionPlayPause, false);
    using C = fakes::RecordingMediaPlayers::Command;
    EXPECT_EQ(players.commands(), (std::vector<C>{{"vlc", platform::PlayerCommand::Next},
                                                   {"audacious", platform::PlayerCommand::Play},
                                                   {"audacious", platform::PlayerCommand::Pause}}));

    settings.data->Profiles[0].MediaOption = 1;  // neither running nor installed
    engine.onMediaFunction(settings::kFunctionOpenPlayer, false);
    EXPECT_TRUE(players.started().empty());
    settings.data->Profiles[0].MediaOption = 0;
    engine.onMediaFunction(settings::kFunctionStop, false);
    EXPECT_EQ(players.keys(), (std::vector<platform::MediaKey>{platform::MediaKey::Stop}));
}

}  // namespace
}  // namespace monitor::host
