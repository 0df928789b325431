#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "settings/BlockDefaults.h"
#include "settings/ButtonAssignmentSteps.h"
#include "settings/ChangeFlags.h"
#include "settings/FixedText.h"
#include "settings/FunctionCodes.h"
#include "settings/RecordBytes.h"
#include "settings/ShortcutKey.h"
#include "tests/settings/StoreRecords.h"

namespace settings {
namespace {

using test::makeMacro;

class AssignmentTest : public ::testing::Test {
protected:
    AssignmentTest()
    {
        createDefaultBlock(*block, 1);
        macros.sets.push_back(MacroSet{"Fighters", {makeMacro("Combo", 6, 4, 3), makeMacro("Long", 500, 20, 9)}});
        TimerRecord timer;
        for (int i = 0; i < kMaxTimers; ++i) {
            timer.Seconds = 15 + i;
            setFieldText(timer.Name, "Timer " + std::to_string(i));
            timers.push_back(timer);
        }
    }

    bool assign(int slot, const FunctionChoice& choice, int profile = 0)
    {
        return assignFunction(*block, profile, slot, choice, FunctionStores{macros, timers}, memo);
    }
    bool assignCode(int slot, std::uint8_t code) { return assign(slot, FunctionChoice::plain(code)); }

    ButtonAssignment& slot(int s, int profile = 0) { return block->Profiles[profile].MacroKeyInfo[s]; }
    std::uint8_t code(int s) { return slot(s).FunctionCode; }
    bool flag(int s, int profile = 0) { return isSet(block->ButtonChangedFlags[profile * kButtonSlotCount + s]); }

    std::unique_ptr<SettingsBlock> block = std::make_unique<SettingsBlock>();
    MacroStore macros;
    TimerStore timers;
    ShiftPartnerMemo memo;
};

TEST_F(AssignmentTest, MacroIsCopiedIntoTheSlot)
{
    ASSERT_TRUE(assign(8, FunctionChoice::macroOf(0, 1), 2));
    const ButtonAssignment& s = slot(8, 2);
    const MacroRecord& macro = macros.sets[0].macros[1];
    EXPECT_EQ(s.FunctionCode, kFunctionMacro);
    EXPECT_EQ(fieldText(s.MacroSetName), "Fighters");
    EXPECT_EQ(fieldText(s.MacroName), "Long");
    EXPECT_EQ(s.MacroLoopCount, 9);
    EXPECT_EQ(s.MacroEventCount, 500);
    EXPECT_EQ(0, std::memcmp(s.MacroEvents, macro.Events, sizeof s.MacroEvents));
    EXPECT_TRUE(flag(8, 2));
    EXPECT_FALSE(flag(8, 0));
}

TEST_F(AssignmentTest, MissingMacroOrTimerChangesNothing)
{
    const ButtonAssignment before = slot(7);
    EXPECT_FALSE(assign(7, FunctionChoice::macroOf(1, 0)));
    EXPECT_FALSE(assign(7, FunctionChoice::macroOf(0, 2)));
    EXPECT_FALSE(assign(7, FunctionChoice::macroOf(-1, 0)));
    EXPECT_FALSE(assign(7, FunctionChoice::timerOf(50))) << "only the first 50 timers assign";
    EXPECT_FALSE(assign(7, FunctionChoice::timerOf(-1)));
    EXPECT_FALSE(assign(24, FunctionChoice::plain(kFunctionDisabled)));
    EXPECT_FALSE(assign(7, FunctionChoice::plain(kFunctionDisabled), 5));
    EXPECT_TRUE(sameBytes(slot(7), before));
    EXPECT_FALSE(flag(7));
}

TEST_F(AssignmentTest, OtherCodesClearTheMacroCopy)
{
    ASSERT_TRUE(assign(9, FunctionChoice::macroOf(0, 0)));
    ASSERT_TRUE(assign(9, FunctionChoice::timerOf(49)));
    EXPECT_EQ(code(9), kFunctionTimer);
    EXPECT_EQ(slot(9).TimerValue, 64);
    EXPECT_EQ(fieldText(slot(9).TimerName), "Timer 49");
    EXPECT_EQ(slot(9).MacroEventCount, 0);
    EXPECT_EQ(slot(9).MacroLoopCount, 0);
    EXPECT_EQ(fieldText(slot(9).MacroSetName), "");
    EXPECT_EQ(fieldText(slot(9).MacroName), "");
    const MacroEvent none{};
    for (const MacroEvent& event : slot(9).MacroEvents)
        ASSERT_TRUE(sameBytes(event, none));

    ASSERT_TRUE(assign(9, FunctionChoice::macroOf(0, 0)));
    ASSERT_TRUE(assign(9, FunctionChoice::program("C:\\Tools\\calc.exe")));
    EXPECT_EQ(fieldText(slot(9).ProgramPath), "C:\\Tools\\calc.exe");
    EXPECT_EQ(slot(9).MacroEventCount, 0);
    EXPECT_EQ(slot(9).MacroEvents[0].Key, 0);
}

TEST_F(AssignmentTest, ShortcutKeepsTheDialogsBytes)
{
    ASSERT_TRUE(assign(10, FunctionChoice::macroOf(0, 0)));
    ASSERT_TRUE(assign(10, FunctionChoice::shortcut(4, kShortcutCtrl | kShortcutAlt)));
    EXPECT_EQ(code(10), kFunctionShortcut);
    EXPECT_EQ(shortcutKey(slot(10)), 4);
    EXPECT_EQ(shortcutModifiers(slot(10)), kShortcutCtrl | kShortcutAlt);
    EXPECT_EQ(slot(10).MacroEventCount, 1);
    EXPECT_EQ(fieldText(slot(10).MacroSetName), "");
    EXPECT_EQ(fieldText(slot(10).MacroName), "");
    ASSERT_TRUE(assign(10, FunctionChoice::shortcut(5, kShortcutNone | kShortcutCtrl)));
    EXPECT_EQ(shortcutModifiers(slot(10)), kShortcutNone);
}

TEST_F(AssignmentTest, ParleyDevices)
{
    ASSERT_TRUE(assign(3, FunctionChoice::parleyDevice(0x2DC3, "Keyboard K7", true)));
    EXPECT_EQ(code(3), kFunctionParleyDeviceLock);
    EXPECT_EQ(slot(3).DeviceId, 0x2DC3u);
    EXPECT_EQ(fieldText(slot(3).DeviceName), "Keyboard K7");
    ASSERT_TRUE(assignCode(3, kFunctionParleyAll));
    EXPECT_EQ(slot(3).DeviceId, 0xFFFFu);
}

TEST_F(AssignmentTest, StoredEventCountBeyondTheRecordIsCarried)
{
    macros.sets[0].macros[1].EventCount = 900;
    ASSERT_TRUE(assign(7, FunctionChoice::macroOf(0, 1)));
    EXPECT_EQ(slot(7).MacroEventCount, 900);
}

// Slot 4 holds the Dualkey key (65) and slot 16 is free (0) in a new profile.
TEST_F(AssignmentTest, PartnerOfSlot4FollowsTheDualkeyKey)
{
    ASSERT_EQ(code(4), kFunctionDualkey);
    ASSERT_EQ(code(16), kFunctionFree);

    ASSERT_TRUE(assignCode(4, kFunctionDisabled));
    EXPECT_EQ(code(16), kFunctionDisabled) << "memo 0 gives Disabled";
    EXPECT_TRUE(flag(16));

    clearChangeFlags(*block);
    ASSERT_TRUE(assignCode(4, kFunctionDualkey));
    EXPECT_EQ(code(16), kFunctionFree);
    EXPECT_EQ(memo.code(4), kFunctionDisabled);
    EXPECT_TRUE(flag(16));

    ASSERT_TRUE(assignCode(4, kFunctionDpiUp));
    EXPECT_EQ(code(16), kFunctionDisabled);
}

TEST_F(AssignmentTest, PartnerOfSlot3KeepsItsCodeThroughTheDualkeyKey)
{
    slot(15).FunctionCode = kFunctionVolumeUp;
    setFieldText(slot(15).MacroName, "partner data");
    ASSERT_TRUE(assign(3, FunctionChoice::parleyDevice(0x1234, "Pad", false)));
    EXPECT_EQ(code(15), kFunctionFree);
    EXPECT_EQ(memo.code(3), kFunctionVolumeUp);
    ASSERT_TRUE(assignCode(3, kFunctionIeBackward));
    EXPECT_EQ(code(15), kFunctionVolumeUp);
    EXPECT_EQ(fieldText(slot(15).MacroName), "partner data") << "only the partner's code is touched";
}

TEST_F(AssignmentTest, FreshMemoRestoresDisabledForSlot3)
{
    slot(3).FunctionCode = kFunctionDualkey;
    slot(15).FunctionCode = kFunctionFree;
    ASSERT_TRUE(assignCode(3, kFunctionScrollUp));
    EXPECT_EQ(code(15), kFunctionDisabled);
}

TEST_F(AssignmentTest, NonDualkeyCodesFreeNothing)
{
    for (std::uint8_t c : {kFunctionParleyAllLock, kFunctionRollmodeDpi, kFunctionMacro}) {
        if (c == kFunctionMacro)
            ASSERT_TRUE(assign(3, FunctionChoice::macroOf(0, 0)));
        else
            ASSERT_TRUE(assignCode(3, c));
        EXPECT_EQ(code(15), kFunctionDisabled) << int(c);
    }
    EXPECT_FALSE(flag(15));
}

TEST_F(AssignmentTest, SameCodeAgainLeavesThePartner)
{
    slot(16).FunctionCode = kFunctionNextTrack;  // as a damaged profile file may hold it
    ASSERT_TRUE(assignCode(4, kFunctionDualkey));
    EXPECT_EQ(code(16), kFunctionNextTrack);
    EXPECT_TRUE(flag(4));
    EXPECT_FALSE(flag(16));
}

TEST_F(AssignmentTest, OtherSlotsHaveNoPartnerRule)
{
    slot(14).FunctionCode = kFunctionFree;
    ASSERT_TRUE(assignCode(2, kFunctionDualkey));
    EXPECT_EQ(code(14), kFunctionFree);
    slot(19).FunctionCode = kFunctionFree;
    ASSERT_TRUE(assignCode(7, kFunctionDisabled));
    EXPECT_EQ(code(19), kFunctionFree);
}

TEST(ShiftPartnerMemo, StartsWithTheShiftLayerDefaults)
{
    ShiftPartnerMemo memo;
    const std::uint8_t expected[] = {8, 7, 37, 6, 0, 33, 34, 38, 39, 17, 18, 27};
    for (int slot = 0; slot < 12; ++slot)
        EXPECT_EQ(memo.code(slot), expected[slot]) << slot;
    memo.remember(3, 99);
    memo.remember(12, 5);
    EXPECT_EQ(memo.code(3), 99);
    EXPECT_EQ(memo.code(12), 0);
    memo.reset();
    EXPECT_EQ(memo.code(3), 6);
}

}  // namespace
}  // namespace settings
