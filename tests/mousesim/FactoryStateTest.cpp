// A factory-fresh mouse answers what a new default profile holds, and the
// restore-defaults command brings that state back.

#include "MouseConversation.h"

#include <algorithm>

#include "mousesim/Checksum.h"

namespace mousesim::test {
namespace {

class FreshMouse : public MouseConversation {};

TEST_F(FreshMouse, AnswersTheDefaultSettingsOfEveryProfile) {
    // sens 6/6, all 5 CPI levels (400..5000 as x2 in units of 100), level 1,
    // polling 3, light on, table colour, speed 2, snap 2, alignment 30.
    const char* const expected[kProfileCount] = {
        "06 1F 00 00 06 06 1F 08 10 20 40 64 01 08 10 20 40 64 00 03 01 00 01 02 02 07 FA 00 00 02 1E",
        "06 1F 01 00 06 06 1F 08 10 20 40 64 01 08 10 20 40 64 00 03 01 00 00 01 02 00 00 64 FA 02 1E",
        "06 1F 02 00 06 06 1F 08 10 20 40 64 01 08 10 20 40 64 00 03 01 00 00 01 02 07 FA 00 00 02 1E",
        "06 1F 03 00 06 06 1F 08 10 20 40 64 01 08 10 20 40 64 00 03 01 00 00 01 02 0B 00 FA 00 02 1E",
        "06 1F 04 00 06 06 1F 08 10 20 40 64 01 08 10 20 40 64 00 03 01 00 00 01 02 0F 00 00 FA 02 1E",
    };
    for (std::uint8_t p = 0; p < kProfileCount; ++p) {
        SCOPED_TRACE(p);
        ASSERT_TRUE(hostSends(Bytes{0x04, p, 0x80}));
        EXPECT_EQ(mouseAnswers(6, 31), expected[p]);
    }
}

TEST_F(FreshMouse, AnswersTheDefaultButtonTableOfEveryProfile) {
    // Click, Menu, Universal scrolling, IE Forward, Dualkey, Scroll Up/Down,
    // DPI Up/Down; Dualkey layer: IE Backward, IE Forward, Mute, Disabled, free,
    // Volume Up/Down, Profile Up/Down. Byte sum 0x180 + profile.
    for (std::uint8_t p = 0; p < kProfileCount; ++p) {
        SCOPED_TRACE(p);
        ASSERT_TRUE(hostSends(Bytes{0x04, p, 0x90}));
        const std::string profile = hexText({p});
        const std::string checksum = hexText({static_cast<std::uint8_t>(0x80 + p)}) + " 01";
        EXPECT_EQ(mouseAnswers(7, 59), "07 3B " + profile +
                                           " 01 00 00 02 00 00 03 00 00 07 00 00 41 00 00 0D 00 00 0E 00 00 15 00 00"
                                           " 16 00 00 08 00 00 07 00 00 25 00 00 06 00 00 00 00 00 26 00 00 27 00 00"
                                           " 11 00 00 12 00 00 " +
                                           checksum);
    }
}

TEST_F(FreshMouse, AnswersAnEmptyMacroForAButtonWithoutOne) {
    ASSERT_TRUE(hostSends("04 02 05"));
    const auto macro = read(8, 2082);
    ASSERT_TRUE(macro);
    ASSERT_EQ(macro->size(), 2082u);
    EXPECT_EQ(hexText({macro->begin(), macro->begin() + 6}), "08 22 08 02 05 00");
    EXPECT_TRUE(std::all_of(macro->begin() + 5, macro->end() - 2, [](std::uint8_t b) { return b == 0; }));
    EXPECT_TRUE(trailingChecksumMatches(*macro));
}

TEST_F(FreshMouse, IsOnProfile0WithItsFactoryFirmware) {
    EXPECT_EQ(mouseAnswers(5, 3), "05 03 00");
    EXPECT_EQ(mouseAnswers(9, 6), "09 06 6B 6B 00 00");
    EXPECT_EQ(mouseAnswers(15, 6), "0F 06 00 00 00 00");
}

class RestoreDefaults : public MouseConversation {};

TEST_F(RestoreDefaults, BringsTheFactoryProfilesBackAndKeepsDeviceValues) {
    ASSERT_TRUE(hostSends("06 1F 02 01 09 09 03 02 04 06 08 0A 00 02 04 06 08 0A 01 00 00 01 00 00 00 FF 01 02 03 04 05"));
    ASSERT_TRUE(hostSends(buttonTable(3, {{0, 48}})));
    ASSERT_TRUE(hostSends(macroReport(3, 0, 1, hex("04 01 0A 00 04 02 0A 00"))));
    ASSERT_TRUE(hostSends("05 03 03"));
    ASSERT_TRUE(hostSends("0F 06 02 FF FF FF"));
    ASSERT_NE(mouse.memory().profiles, factoryMemory().profiles);

    EXPECT_TRUE(hostSends("09 06 0B 00 00 00"));

    EXPECT_EQ(mouse.memory().profiles, factoryMemory().profiles);
    EXPECT_EQ(mouseAnswers(5, 3), "05 03 00");
    EXPECT_EQ(mouseAnswers(15, 6), "0F 06 02 00 00 00");
    EXPECT_EQ(mouseAnswers(9, 6), "09 06 6B 6B 00 00");
}

TEST_F(RestoreDefaults, AnyOtherReport9WriteIsRefused) {
    ASSERT_TRUE(hostSends("05 03 03"));
    EXPECT_FALSE(hostSends("09 06 0B 00 00 01"));
    EXPECT_FALSE(hostSends("09 06 0B 00 00"));
    EXPECT_EQ(mouseAnswers(5, 3), "05 03 03");
}

}  // namespace
}  // namespace mousesim::test
