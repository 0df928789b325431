// Button presses on the simulated mouse and the event reports it sends for them.

#include <gmock/gmock.h>

#include "MouseConversation.h"

namespace mousesim::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class ButtonPress : public MouseConversation {
protected:
    std::vector<std::string> pressAndRelease(std::uint8_t button) {
        EXPECT_TRUE(mouse.press(button));
        EXPECT_TRUE(mouse.release(button));
        return takeEvents();
    }

    // The factory settings of a profile as the host would write them back,
    // changed by `edit` (report byte positions).
    Bytes settingsWrite(std::uint8_t profile, const std::vector<std::pair<std::size_t, std::uint8_t>>& edit) {
        EXPECT_TRUE(hostSends(Bytes{0x04, profile, 0x80}));
        Bytes r = *read(6, 31);
        std::swap(r[27], r[28]);
        for (const auto& [at, value] : edit) r[at] = value;
        return r;
    }
};

TEST_F(ButtonPress, MacroButtonSendsPressAndReleaseWithButtonNumberPlusOne) {
    ASSERT_TRUE(hostSends(buttonTable(0, {{5, 48}})));
    ASSERT_TRUE(mouse.press(5));
    EXPECT_THAT(takeEvents(), ElementsAre("03 00 90 06 00", "03 00 E6 01 00"));
    ASSERT_TRUE(mouse.release(5));
    EXPECT_THAT(takeEvents(), ElementsAre("03 00 90 06 01"));
}

TEST_F(ButtonPress, ShortcutTimerAndStopTimerAlsoGoToTheHostAsButtonActions) {
    ASSERT_TRUE(hostSends(buttonTable(0, {{7, 5}, {8, 49}, {2, 50}})));
    EXPECT_THAT(pressAndRelease(7), ElementsAre("03 00 90 08 00", "03 00 90 08 01"));
    EXPECT_THAT(pressAndRelease(8), ElementsAre("03 00 90 09 00", "03 00 90 09 01"));
    EXPECT_THAT(pressAndRelease(2), ElementsAre("03 00 90 03 00", "03 00 E3 01 00", "03 00 90 03 01"));
}

TEST_F(ButtonPress, OnlyTheActiveProfilesCodeCounts) {
    ASSERT_TRUE(hostSends(buttonTable(1, {{5, 48}})));
    EXPECT_THAT(pressAndRelease(5), ElementsAre("03 00 E6 01 00"));  // profile 0: Scroll Up
    ASSERT_TRUE(hostSends("05 03 01"));
    EXPECT_THAT(pressAndRelease(5), ElementsAre("03 00 90 06 00", "03 00 E6 01 00", "03 00 90 06 01"));
}

TEST_F(ButtonPress, PlainMouseFunctionsSendOnlyTheClickStatistics) {
    // Click, Menu, Universal scrolling, IE Forward, Scroll Up, Scroll Down.
    EXPECT_THAT(pressAndRelease(0), ElementsAre("03 00 E1 01 00"));
    EXPECT_THAT(pressAndRelease(1), ElementsAre("03 00 E2 01 00"));
    EXPECT_THAT(pressAndRelease(2), ElementsAre("03 00 E3 01 00"));
    EXPECT_THAT(pressAndRelease(3), ElementsAre("03 00 E4 01 00"));
    EXPECT_THAT(pressAndRelease(5), ElementsAre("03 00 E6 01 00"));
    EXPECT_THAT(pressAndRelease(6), ElementsAre("03 00 E7 01 00"));
    ASSERT_TRUE(hostSends(buttonTable(0, {{7, 1}, {8, 1}})));
    EXPECT_THAT(pressAndRelease(7), IsEmpty());
    EXPECT_THAT(pressAndRelease(8), IsEmpty());
}

TEST_F(ButtonPress, ProfileButtonsOfTheDualkeyLayerSwitchTheProfile) {
    // Factory table: button 4 is Dualkey, entries 16 and 17 Profile Up and Down.
    ASSERT_TRUE(mouse.press(4));
    EXPECT_THAT(takeEvents(), ElementsAre("03 00 E5 01 00"));
    EXPECT_THAT(pressAndRelease(7), ElementsAre("03 00 20 02 00"));
    EXPECT_EQ(mouseAnswers(5, 3), "05 03 01");
    ASSERT_TRUE(store.last);
    EXPECT_EQ(store.last->activeProfile, 1);
    EXPECT_THAT(pressAndRelease(8), ElementsAre("03 00 20 01 00"));
    EXPECT_THAT(pressAndRelease(8), ElementsAre("03 00 20 05 00"));  // down from 0 wraps to 4
    EXPECT_EQ(mouseAnswers(5, 3), "05 03 04");
}

TEST_F(ButtonPress, ProfileCycleWrapsFromTheLastProfileToTheFirst) {
    ASSERT_TRUE(hostSends(buttonTable(4, {{6, 16}})));
    ASSERT_TRUE(hostSends("05 03 04"));
    EXPECT_THAT(pressAndRelease(6), ElementsAre("03 00 20 01 00", "03 00 E7 01 00"));
    EXPECT_EQ(mouseAnswers(5, 3), "05 03 00");
}

TEST_F(ButtonPress, CpiUpAndDownStepThroughTheLevelsAndStopAtTheEnds) {
    // Factory: level index 1 of 5, button 7 DPI Up, button 8 DPI Down.
    EXPECT_THAT(pressAndRelease(7), ElementsAre("03 00 B0 03 00"));
    ASSERT_TRUE(hostSends("04 00 80"));
    EXPECT_EQ((*read(6, 31))[12], 2);
    EXPECT_THAT(pressAndRelease(7), ElementsAre("03 00 B0 04 00"));
    EXPECT_THAT(pressAndRelease(7), ElementsAre("03 00 B0 05 00"));
    EXPECT_THAT(pressAndRelease(7), ElementsAre("03 00 B0 05 00"));
    EXPECT_THAT(pressAndRelease(8), ElementsAre("03 00 B0 04 00"));
    EXPECT_EQ(store.last->profiles[0].settings.cpiIndex, 3);
}

TEST_F(ButtonPress, CpiCycleSkipsDisabledLevelsAndWraps) {
    ASSERT_TRUE(hostSends(settingsWrite(0, {{6, 0x15}, {12, 0}})));  // levels 0, 2, 4
    ASSERT_TRUE(hostSends(buttonTable(0, {{7, 20}, {8, 22}})));
    EXPECT_THAT(pressAndRelease(7), ElementsAre("03 00 B0 03 00"));
    EXPECT_THAT(pressAndRelease(7), ElementsAre("03 00 B0 05 00"));
    EXPECT_THAT(pressAndRelease(7), ElementsAre("03 00 B0 01 00"));
    EXPECT_THAT(pressAndRelease(8), ElementsAre("03 00 B0 01 00"));
}

TEST_F(ButtonPress, CpiButtonsDoNothingWithoutAnEnabledLevel) {
    ASSERT_TRUE(hostSends(settingsWrite(0, {{6, 0x00}})));
    EXPECT_THAT(pressAndRelease(7), IsEmpty());
}

TEST_F(ButtonPress, SensitivityButtonsChangeBothBytesAndReportTheValue) {
    ASSERT_TRUE(hostSends(buttonTable(0, {{7, 24}, {8, 25}, {3, 23}})));
    EXPECT_THAT(pressAndRelease(7), ElementsAre("03 00 C0 07 00"));
    ASSERT_TRUE(hostSends("04 00 80"));
    const Bytes settings = *read(6, 31);
    EXPECT_EQ(settings[4], 7);
    EXPECT_EQ(settings[5], 7);

    ASSERT_TRUE(hostSends(settingsWrite(0, {{3, 1}, {4, 11}, {5, 11}})));  // separate axes, at the top
    EXPECT_THAT(pressAndRelease(7), ElementsAre("03 00 C0 0B 0B"));
    EXPECT_THAT(pressAndRelease(3), ElementsAre("03 00 C0 01 01", "03 00 E4 01 00"));
    EXPECT_THAT(pressAndRelease(8), ElementsAre("03 00 C0 01 01"));
}

TEST_F(ButtonPress, DualkeyShiftsTheOtherButtonsUntilReleased) {
    ASSERT_TRUE(hostSends(buttonTable(0, {{4, 65}, {9, 48}, {0, 1}})));
    ASSERT_TRUE(mouse.press(4));
    ASSERT_TRUE(mouse.press(0));
    EXPECT_THAT(takeEvents(), ElementsAre("03 00 E5 01 00", "03 00 90 0A 00", "03 00 E1 01 00"));
    // Letting go of Dualkey first: the release still belongs to entry 9.
    ASSERT_TRUE(mouse.release(4));
    ASSERT_TRUE(mouse.release(0));
    EXPECT_THAT(takeEvents(), ElementsAre("03 00 90 0A 01"));
    EXPECT_THAT(pressAndRelease(0), ElementsAre("03 00 E1 01 00"));
}

TEST_F(ButtonPress, AReleaseAfterAProfileSwitchStillEndsWhatWasPressed) {
    ASSERT_TRUE(hostSends(buttonTable(0, {{5, 48}, {6, 17}})));  // profile 1 keeps button 5 as Scroll Up
    ASSERT_TRUE(mouse.press(5));
    EXPECT_THAT(pressAndRelease(6), ElementsAre("03 00 90 06 00", "03 00 E6 01 00", "03 00 20 02 00", "03 00 E7 01 00"));
    ASSERT_TRUE(mouse.release(5));
    EXPECT_THAT(takeEvents(), ElementsAre("03 00 90 06 01"));
}

TEST_F(ButtonPress, ALayerEntryCanBePressedDirectly) {
    ASSERT_TRUE(hostSends(buttonTable(0, {{9, 48}})));
    ASSERT_TRUE(mouse.press(9));
    EXPECT_THAT(takeEvents(), ElementsAre("03 00 90 0A 00", "03 00 E1 01 00"));
    EXPECT_FALSE(mouse.press(0));  // the same physical button
    EXPECT_TRUE(mouse.release(0));
    EXPECT_THAT(takeEvents(), ElementsAre("03 00 90 0A 01"));
}

TEST_F(ButtonPress, MediaVolumeTiltLaunchDriverAndParleyKeys) {
    ASSERT_TRUE(hostSends(buttonTable(0, {{0, 35}, {1, 38}, {2, 39}, {3, 9}, {5, 10}, {6, 15}, {7, 27}, {8, 81}})));
    EXPECT_THAT(pressAndRelease(0), ElementsAre("03 00 F0 23 00", "03 00 E1 01 00", "03 00 F0 23 01"));
    EXPECT_THAT(pressAndRelease(1),
                ElementsAre("03 00 F0 26 00", "03 00 1B 01 00", "03 00 E2 01 00", "03 00 F0 26 01"));
    EXPECT_THAT(pressAndRelease(2),
                ElementsAre("03 00 F0 27 00", "03 00 1B FF 00", "03 00 E3 01 00", "03 00 F0 27 01"));
    EXPECT_THAT(pressAndRelease(3), ElementsAre("03 00 10 FF 00", "03 00 E4 01 00"));
    EXPECT_THAT(pressAndRelease(5), ElementsAre("03 00 10 01 00", "03 00 E6 01 00"));
    EXPECT_THAT(pressAndRelease(6), ElementsAre("03 00 60 07 00", "03 00 E7 01 00"));
    EXPECT_THAT(pressAndRelease(7), ElementsAre("03 00 A0 01 00"));
    EXPECT_THAT(pressAndRelease(8), ElementsAre("03 00 FF 09 00", "03 00 FF 09 01"));
}

TEST_F(ButtonPress, RefusesUnknownHeldAndUnheldButtons) {
    EXPECT_FALSE(mouse.press(18));
    EXPECT_FALSE(mouse.release(3));
    ASSERT_TRUE(mouse.press(3));
    EXPECT_FALSE(mouse.press(3));
    EXPECT_EQ(mouse.status().heldButtons, 1);
    takeEvents();
    ASSERT_TRUE(mouse.unplug());
    EXPECT_FALSE(mouse.release(3));
    EXPECT_FALSE(mouse.press(0));
    ASSERT_TRUE(mouse.plug());
    EXPECT_FALSE(mouse.release(3));  // unplugging let go of it
    EXPECT_THAT(takeEvents(), IsEmpty());
}

TEST_F(ButtonPress, RawEventsGoOutAsTheyAre) {
    EXPECT_TRUE(mouse.sendRawEvent(0xE2, 0x1234));
    EXPECT_TRUE(mouse.sendRawEvent(0xFE, 17));
    EXPECT_THAT(takeEvents(), ElementsAre("03 00 E2 34 12", "03 00 FE 11 00"));
    ASSERT_TRUE(mouse.unplug());
    EXPECT_FALSE(mouse.sendRawEvent(0x10, 1));
    EXPECT_THAT(takeEvents(), IsEmpty());
}

}  // namespace
}  // namespace mousesim::test
