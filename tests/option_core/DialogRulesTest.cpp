// The timer dialogs' rules and the key shortcut dialog's capture.

#include <gtest/gtest.h>

#include <memory>

#include "option/core/PlayerChoice.h"
#include "option/core/ShortcutCapture.h"
#include "option/core/TimerDialogs.h"
#include "settings/FixedText.h"
#include "settings/FunctionCodes.h"
#include "settings/ShortcutKey.h"
#include "tests/option_core/FakeKeySource.h"

namespace option::core::test {
namespace {

settings::TimerStore timersNamed(int count)
{
    settings::TimerStore timers;
    for (int t = 0; t < count; ++t) {
        settings::TimerRecord timer;
        timer.Seconds = 60;
        settings::setFieldText(timer.Name, "Timer " + std::to_string(t));
        timers.push_back(timer);
    }
    return timers;
}

TEST(TimerDialogs, CreateTrimsRefusesDuplicatesAndStopsAtFiftyOne)
{
    settings::TimerStore timers = timersNamed(50);
    EXPECT_TRUE(canCreateTimer(timers));
    const std::optional<settings::TimerRecord> created = newTimer(timers, "  Egg  ", 5);
    ASSERT_TRUE(created);
    EXPECT_EQ(settings::fieldText(created->Name), "Egg");
    EXPECT_EQ(created->Seconds, 15);
    timers.push_back(*created);
    EXPECT_FALSE(canCreateTimer(timers));
    EXPECT_FALSE(newTimer(timers, "Tea", 30));
    timers.pop_back();
    EXPECT_FALSE(newTimer(timers, "TIMER 3", 30));
    EXPECT_FALSE(newTimer(timers, "   ", 30));
    EXPECT_FALSE(newTimer(timers, std::string(25, 'x'), 30));
    EXPECT_EQ(newTimer(timers, std::string(24, 'x'), 1000)->Seconds, 999);
}

TEST(TimerDialogs, EditSavesUnderAFreeNameOrItsOwnAndDeletesInPlace)
{
    settings::TimerStore timers = timersNamed(3);
    EXPECT_FALSE(TimerListEditing::canOpen({}));
    TimerListEditing editing(timers);
    EXPECT_EQ(editing.current(), 0);
    EXPECT_TRUE(editing.choose(1002));
    EXPECT_FALSE(editing.choose(1003));
    EXPECT_EQ(editing.save("timer 1", 100), TimerListEditing::SaveResult::Refused);
    EXPECT_EQ(timers[2].Seconds, 60);
    EXPECT_EQ(editing.save(" TIMER 2 ", 100), TimerListEditing::SaveResult::SecondsOnly);
    EXPECT_EQ(settings::fieldText(timers[2].Name), "Timer 2");
    EXPECT_EQ(timers[2].Seconds, 100);
    EXPECT_EQ(editing.save("Tea", 200), TimerListEditing::SaveResult::Saved);
    EXPECT_EQ(settings::fieldText(timers[2].Name), "Tea");
    EXPECT_EQ(editing.save("", 200), TimerListEditing::SaveResult::Refused);

    EXPECT_TRUE(editing.removeCurrent());
    EXPECT_EQ(editing.current(), 1);
    EXPECT_TRUE(editing.removeCurrent());
    EXPECT_TRUE(editing.removeCurrent());
    EXPECT_EQ(editing.current(), -1);
    EXPECT_FALSE(editing.removeCurrent());
    EXPECT_TRUE(timers.empty());
}

TEST(ShortcutCaptureRule, TheLastKeyWinsAndNoneStandsAlone)
{
    FakeKeySource keys;
    ShortcutCapture capture(0, settings::kShortcutCtrl);
    EXPECT_EQ(capture.result(), std::nullopt);  // no key yet: OK stores nothing
    keys.install(capture);
    keys.tap('A');
    EXPECT_EQ(capture.key(), 4);
    keys.key(160, false);  // Left Shift down, A down, A up, Left Shift up
    keys.key('A', false);
    keys.key('A', true);
    keys.key(160, true);
    EXPECT_EQ(capture.key(), 225);
    keys.key(0xAD, false);
    EXPECT_EQ(capture.key(), 225);

    capture.toggle(settings::kShortcutShift);
    EXPECT_EQ(capture.result()->modifiers, settings::kShortcutCtrl | settings::kShortcutShift);
    capture.toggle(settings::kShortcutNone);
    EXPECT_FALSE(capture.boxEnabled(settings::kShortcutAlt));
    capture.toggle(settings::kShortcutAlt);  // disabled: no change
    EXPECT_EQ(capture.result()->modifiers, settings::kShortcutNone);
    capture.toggle(settings::kShortcutNone);
    EXPECT_EQ(capture.result()->modifiers, settings::kShortcutCtrl | settings::kShortcutShift);
    EXPECT_FALSE(capture.boxEnabled(settings::kShortcutCtrl | settings::kShortcutAlt));

    auto slot = std::make_unique<settings::ButtonAssignment>();
    slot->FunctionCode = settings::kFunctionMacro;  // its first event is no shortcut
    slot->MacroEventCount = 2;
    slot->MacroEvents[0] = {4, settings::kShortcutCtrl, 0};
    EXPECT_EQ(ShortcutCapture::forSlot(*slot).result(), std::nullopt);
    slot->FunctionCode = settings::kFunctionShortcut;
    EXPECT_EQ(ShortcutCapture::forSlot(*slot).result()->modifiers, settings::kShortcutCtrl);

    EXPECT_EQ(playerName(2), "VLC media player");
    EXPECT_EQ(playerName(4), "");
    EXPECT_EQ(playerOfCommand(1004), 3);
    EXPECT_EQ(playerOfCommand(1005), std::nullopt);
}

}  // namespace
}  // namespace option::core::test
