#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <memory>
#include <string>

#include "settings/BlockDefaults.h"
#include "settings/FixedText.h"
#include "settings/FunctionCodes.h"
#include "settings/KeyNames.h"
#include "settings/ShortcutKey.h"
#include "settings/SlotCaption.h"
#include "tests/settings/FakeKeyboardLayout.h"

namespace settings {
namespace {

class SlotCaptionTest : public ::testing::Test {
protected:
    SlotCaptionTest() { createDefaultProfile(*profile, 0); }

    std::string caption(const ButtonAssignment& slot) const { return slotCaption(slot, *profile, layout); }

    std::string captionOf(int code) const
    {
        ButtonAssignment slot;
        slot.FunctionCode = static_cast<std::uint8_t>(code);
        return caption(slot);
    }

    ButtonAssignment shortcutSlot(std::uint8_t key, std::uint8_t modifiers) const
    {
        ButtonAssignment slot;
        slot.FunctionCode = kFunctionShortcut;
        storeShortcut(slot, key, modifiers);
        return slot;
    }

    std::unique_ptr<ProfileRecord> profile = std::make_unique<ProfileRecord>();
    test::FakeKeyboardLayout layout;
};

TEST_F(SlotCaptionTest, DisabledAndEmptyCodes)
{
    for (int code : {0, 6, 64})
        EXPECT_EQ(captionOf(code), "Disabled") << code;
    for (int code = 0; code < 256; ++code) {
        const bool unlisted = code == 12 || (code >= 28 && code <= 31) || (code >= 40 && code <= 47) ||
                              (code >= 56 && code <= 63) || (code >= 72 && code <= 80) || code > 84;
        if (unlisted) {
            EXPECT_EQ(captionOf(code), "") << code;
        }
    }
    EXPECT_EQ(captionOf(11), "DPI Change");
    EXPECT_EQ(captionOf(19), "Assign a sensitivity");
    EXPECT_EQ(captionOf(65), "Dualkey[+] Zuro Vell Lumic Noxa Edition");
    EXPECT_EQ(captionOf(83), "Dualkey[+] all devices");
    EXPECT_EQ(captionOf(84), "Dualkey[+] all Lock");
}

TEST_F(SlotCaptionTest, ShortcutPrefixesInFixedOrder)
{
    EXPECT_EQ(caption(shortcutSlot(4, 0x1E)), "Ctrl+Shift+Alt+Win+A");
    EXPECT_EQ(caption(shortcutSlot(4, kShortcutWin | kShortcutShift)), "Shift+Win+A");
    EXPECT_EQ(caption(shortcutSlot(58, 0)), "F1");

    // "None" ticked with all the others is stored as "None" alone; stored as the
    // full mask by someone else it still shows no prefix.
    ButtonAssignment none = shortcutSlot(4, 0x1F);
    EXPECT_EQ(shortcutModifiers(none), kShortcutNone);
    EXPECT_EQ(caption(none), "A");
    none.MacroEvents[0].Action = 0x1F;
    EXPECT_EQ(caption(none), "A");
}

TEST_F(SlotCaptionTest, ShortcutWithoutMarkIsEmpty)
{
    ButtonAssignment slot = shortcutSlot(4, kShortcutCtrl);
    slot.MacroEventCount = 0;
    EXPECT_EQ(caption(slot), "");
}

TEST_F(SlotCaptionTest, ShortcutKeysReadAsTheLayoutTypesThem)
{
    layout = test::azertyLayout();
    EXPECT_EQ(caption(shortcutSlot(4, kShortcutCtrl)), "Ctrl+Q");
    EXPECT_EQ(caption(shortcutSlot(30, kShortcutAlt)), "Alt+&");
    EXPECT_EQ(caption(shortcutSlot(53, 0)), "\xC2\xB2");
    EXPECT_EQ(caption(shortcutSlot(44, kShortcutCtrl)), "Ctrl+Space") << "named keys do not follow the layout";
}

TEST(KeyNames, NamedAndFixedKeys)
{
    const test::FakeKeyboardLayout layout = test::azertyLayout();
    const std::pair<int, const char*> expected[] = {
        {40, "Enter"}, {41, "Esc"}, {42, "BackSpace"}, {43, "Tab"}, {44, "Space"}, {57, "Caps Lock"},
        {58, "F1"}, {69, "F12"}, {70, "Print Screen"}, {72, "Break"}, {77, "End"}, {78, "Page Down"},
        {79, "Right Arrow"}, {82, "Up Arrow"}, {83, "Num Lock"}, {88, "Num_Enter"}, {89, "Num_1"},
        {97, "Num_9"}, {98, "Num_0"}, {99, "Num_."}, {100, "Europe 2"}, {101, "APP"}, {130, "Sleep"},
        {224, "Left Control"}, {227, "Left GUI"}, {231, "Right GUI"}, {240, "Left Button"},
        {242, "Wheel"}, {244, "Side Button 2"},
        {0, ""}, {3, ""}, {50, ""}, {102, ""}, {129, ""}, {131, ""}, {223, ""}, {232, ""}, {245, ""}, {255, ""},
        {4, "Q"}, {5, "B"}, {39, "0"}, {56, "/"},
    };
    for (const auto& [usage, name] : expected)
        EXPECT_EQ(shortcutKeyName(static_cast<std::uint8_t>(usage), layout), name) << usage;
}

TEST_F(SlotCaptionTest, ProgramFileNameAndExtension)
{
    ButtonAssignment slot;
    slot.FunctionCode = kFunctionProgramLaunch;
    setFieldText(slot.ProgramPath, "C:\\Games\\Arena\\arena.exe");
    EXPECT_EQ(caption(slot), "arena.exe");
    setFieldText(slot.ProgramPath, "/opt/games/arena.sh");
    EXPECT_EQ(caption(slot), "arena.sh");
    EXPECT_EQ(programFileCaption("D:tool.exe"), "tool.exe");
    EXPECT_EQ(programFileCaption("C:\\Games\\"), "");
    EXPECT_EQ(programFileCaption("notes"), "notes");
    // A path field without its terminator is read no further than the field.
    std::memset(slot.ProgramPath, 'x', sizeof slot.ProgramPath);
    EXPECT_EQ(caption(slot).size(), sizeof slot.ProgramPath);
}

TEST_F(SlotCaptionTest, PinpointFollowsTheCurrentLevels)
{
    ButtonAssignment slot;
    slot.FunctionCode = 52;
    EXPECT_EQ(caption(slot), "Pinpoint 800 DPI");
    profile->CpiLevel_X[1] = 16;
    EXPECT_EQ(caption(slot), "Pinpoint 1600 DPI");
    slot.FunctionCode = 55;
    EXPECT_EQ(caption(slot), "Pinpoint 5000 DPI");
    profile->CpiLevel_Y[4] = 1;
    EXPECT_EQ(caption(slot), "Pinpoint 5000 DPI") << "the X resolution decides";
    profile->CpiLevel_X[4] = INT_MAX;
    EXPECT_EQ(caption(slot), "Pinpoint 214748364700 DPI");
    EXPECT_EQ(pinpointCaption(*profile, 5), "");
}

TEST_F(SlotCaptionTest, NamesOfMacrosTimersAndDevices)
{
    ButtonAssignment slot;
    setFieldText(slot.MacroName, "Combo");
    setFieldText(slot.TimerName, "Respawn");
    setFieldText(slot.DeviceName, "Keyboard K7");
    slot.FunctionCode = kFunctionMacro;
    EXPECT_EQ(caption(slot), "Combo");
    slot.FunctionCode = kFunctionTimer;
    EXPECT_EQ(caption(slot), "Respawn");
    slot.FunctionCode = kFunctionParleyDevice;
    EXPECT_EQ(caption(slot), "Dualkey[+] Keyboard K7");
    slot.FunctionCode = kFunctionParleyDeviceLock;
    EXPECT_EQ(caption(slot), "Dualkey[+] Keyboard K7 Lock");
    slot.FunctionCode = kFunctionStopTimer;
    EXPECT_EQ(caption(slot), "Stop Timer");
}

}  // namespace
}  // namespace settings
