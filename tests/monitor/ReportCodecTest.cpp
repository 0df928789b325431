#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include <limits>

#include "monitor/protocol/DeviceOperations.h"
#include "monitor/protocol/ReportCodec.h"
#include "settings/RecordBytes.h"
#include "tests/monitor/ProtocolConversation.h"

namespace monitor::protocol::test {
namespace {

using ::testing::ElementsAre;

class ProfileSettingsReportTest : public ProtocolTest {
protected:
    ProfileSettingsReportTest()
    {
        settings::ProfileRecord& p = profile();
        p.XYSynchronous = 1;
        p.Sensitivity = 7;
        p.Sensitivity_X = 3;  // never sent
        const std::uint8_t enabled[] = {1, 0, 1, 1, 0};
        const std::int32_t levelsX[] = {4, 8, 16, 32, 50};
        const std::int32_t levelsY[] = {5, 9, 17, 33, 51};
        for (int i = 0; i < 5; ++i) {
            p.dpi[i] = enabled[i];
            p.CpiLevel_X[i] = levelsX[i];
            p.CpiLevel_Y[i] = levelsY[i];
        }
        p.Cpi_X = 2;
        p.ASnapFlag = 1;
        p.SAlignmentFlag = 0;
        p.PollingRate = 3;
        p.LightInfo[0] = {7, 1, 250, 10, 20};
        p.LtChoseType = 0;
        p.LightColorFlow = 1;
        p.LightEffectType = 2;
        p.LightEffectSpeed = 3;
        p.ASnap = 2;
        p.SAlignment = 30;
    }

    settings::ProfileRecord& profile() { return block->Profiles[1]; }

    std::string sentSettings()
    {
        EXPECT_TRUE(writeProfileSettings(link, *block, 1));
        const auto writes = mouse.writesOf(6);
        return writes.empty() ? std::string() : hex(writes.back());
    }
};

TEST_F(ProfileSettingsReportTest, WritesEveryFieldInItsByteThenWaitsForReady)
{
    EXPECT_TRUE(writeProfileSettings(link, *block, 1));
    //                     id len p  xy s  s  en x0 x1 x2 x3 x4 ix y0 y1 y2 y3 y4 an pr on ch fl ty sp ci r  b  g  as sa
    EXPECT_EQ(hex(mouse.writes().at(0)), "06 1f 01 01 07 07 0d 08 10 20 40 64 02 0a 12 22 42 66 01 03 01 00 01 02 03 "
                                         "07 fa 14 0a 02 1e");
    EXPECT_THAT(conversation.lines(), ElementsAre("send 06 1f 01 01 07 ..(31)", "pause 100", kReady));
}

TEST_F(ProfileSettingsReportTest, CpiLevelsOf128AndMoreKeepTheLowByteOfTheirDouble)
{
    profile().CpiLevel_X[0] = 127;
    profile().CpiLevel_X[1] = 128;
    profile().CpiLevel_X[2] = 130;
    profile().CpiLevel_X[3] = 200;
    profile().CpiLevel_Y[4] = 255;
    const std::string sent = sentSettings();
    EXPECT_EQ(sent.substr(7 * 3, 5 * 3 - 1), "fe 00 04 90 64");
    EXPECT_EQ(sent.substr(17 * 3, 2), "fe");

    // Values from a damaged file whose double does not fit a signed 32-bit int
    // (undefined behaviour that the sanitizer build stops on).
    profile().CpiLevel_X[0] = 1 << 30;
    profile().CpiLevel_X[1] = std::numeric_limits<std::int32_t>::max();
    profile().CpiLevel_X[2] = std::numeric_limits<std::int32_t>::min();
    profile().CpiLevel_Y[0] = -(1 << 30) - 1;
    const std::string damaged = sentSettings();
    EXPECT_EQ(damaged.substr(7 * 3, 3 * 3 - 1), "00 fe 00");
    EXPECT_EQ(damaged.substr(13 * 3, 2), "fe");
}

TEST_F(ProfileSettingsReportTest, AngleFlagsCountOnlyWhenEqualToOne)
{
    const struct {
        std::int32_t snap, align;
        const char* byte18;
    } cases[] = {{0, 0, "00"}, {1, 0, "01"}, {0, 1, "02"}, {1, 1, "03"}, {-1, 2, "00"}};
    for (const auto& c : cases) {
        profile().ASnapFlag = c.snap;
        profile().SAlignmentFlag = c.align;
        EXPECT_EQ(sentSettings().substr(18 * 3, 2), c.byte18) << c.snap << "," << c.align;
    }
}

TEST_F(ProfileSettingsReportTest, CustomColorGoesOutAsIndexFFWithRedBlueGreen)
{
    profile().LtChoseType = 1;
    profile().CustomLightInfo[0] = {3, 1, 0x11, 0x22, 0x33};
    const std::string sent = sentSettings();
    EXPECT_EQ(sent.substr(20 * 3, 2), "01") << "on flag still from the table color";
    EXPECT_EQ(sent.substr(21 * 3, 2), "01");
    EXPECT_EQ(sent.substr(25 * 3, 4 * 3 - 1), "ff 11 33 22");
}

TEST_F(ProfileSettingsReportTest, LightOnOnlyWhenTheFirstTableColorIsOn)
{
    profile().LightInfo[0].On = 2;
    EXPECT_EQ(sentSettings().substr(20 * 3, 2), "00");
}

class ProfileSettingsReadTest : public ProtocolTest {
protected:
    settings::ProfileRecord& profile() { return block->Profiles[2]; }

    // The answer to the read of profile 2, with bytes 18, 20, 21 and 25-28 given.
    void answerSettings(const char* angle, const char* lightOn, const char* choice, const char* colorBytes)
    {
        mouse.answer(std::string("06 1f 02 01 05 06 15 08 10 20 40 65 03 0a 12 22 42 66 ") + angle + " 02 " +
                     lightOn + " " + choice + " 01 04 02 " + colorBytes + " 05 1e");
    }
};

TEST_F(ProfileSettingsReadTest, SelectsTheProfileThenStoresWhatTheMouseAnswers)
{
    answerSettings("02", "03", "00", "0b 11 22 33");
    ASSERT_TRUE(readProfileSettings(link, *block, 2));
    EXPECT_THAT(conversation.lines(),
                ElementsAre("send 04 02 80", "pause 100", kReady, "get 06 -> 06 1f 02 01 05 ..(31)"));
    const settings::ProfileRecord& p = profile();
    EXPECT_EQ(p.XYSynchronous, 1);
    EXPECT_EQ(p.Sensitivity, 6) << "byte 5, not byte 4";
    EXPECT_THAT(p.dpi, ElementsAre(1, 0, 1, 0, 1, 0));
    EXPECT_THAT(p.CpiLevel_X, ElementsAre(4, 8, 16, 32, 50)) << "0x65 loses its low bit";
    EXPECT_EQ(p.Cpi_X, 3);
    EXPECT_THAT(p.CpiLevel_Y, ElementsAre(5, 9, 17, 33, 51));
    EXPECT_EQ(p.ASnapFlag, 0);
    EXPECT_EQ(p.SAlignmentFlag, 1);
    EXPECT_EQ(p.PollingRate, 2);
    EXPECT_EQ(p.LightInfo[0].On, 1) << "bit 0 of 0x03";
    EXPECT_EQ(p.LightColorFlow, 1);
    EXPECT_EQ(p.LightEffectType, 4);
    EXPECT_EQ(p.LightEffectSpeed, 2);
    EXPECT_EQ(p.LtChoseType, 0);
    EXPECT_EQ(p.LightInfo[0].TableIndex, 0x0b);
    EXPECT_EQ(p.LightInfo[0].Red, 0x11);
    EXPECT_EQ(p.LightInfo[0].Green, 0x22) << "byte 27 is green on reading";
    EXPECT_EQ(p.LightInfo[0].Blue, 0x33);
    EXPECT_EQ(p.ASnap, 5);
    EXPECT_EQ(p.SAlignment, 30);
}

TEST_F(ProfileSettingsReadTest, AColorReadBackAsWrittenHasGreenAndBlueExchanged)
{
    profile().LtChoseType = 0;
    profile().LightInfo[0] = {4, 1, 10, 20, 30};
    ASSERT_TRUE(writeProfileSettings(link, *block, 2));
    mouse.answer(mouse.writesOf(6).at(0));
    ASSERT_TRUE(readProfileSettings(link, *block, 2));
    EXPECT_EQ(profile().LightInfo[0].Red, 10);
    EXPECT_EQ(profile().LightInfo[0].Green, 30);
    EXPECT_EQ(profile().LightInfo[0].Blue, 20);
}

TEST_F(ProfileSettingsReadTest, AngleByteOutsideZeroToThreeLeavesBothFlags)
{
    profile().ASnapFlag = 1;
    profile().SAlignmentFlag = 1;
    answerSettings("05", "01", "00", "0b 11 22 33");
    ASSERT_TRUE(readProfileSettings(link, *block, 2));
    EXPECT_EQ(profile().ASnapFlag, 1);
    EXPECT_EQ(profile().SAlignmentFlag, 1);

    answerSettings("00", "01", "00", "0b 11 22 33");
    ASSERT_TRUE(readProfileSettings(link, *block, 2));
    EXPECT_EQ(profile().ASnapFlag, 0);
    EXPECT_EQ(profile().SAlignmentFlag, 0);
}

TEST_F(ProfileSettingsReadTest, IndexFFSwitchesToTheCustomColorWhateverByte21Says)
{
    const settings::ColorRecord tableColor = profile().LightInfo[0];
    answerSettings("00", "00", "00", "ff 11 22 33");
    ASSERT_TRUE(readProfileSettings(link, *block, 2));
    EXPECT_EQ(profile().LtChoseType, 1);
    const settings::ColorRecord& custom = profile().CustomLightInfo[0];
    EXPECT_EQ(custom.TableIndex, 0xff);
    EXPECT_EQ(custom.Red, 0x11);
    EXPECT_EQ(custom.Green, 0x22);
    EXPECT_EQ(custom.Blue, 0x33);
    EXPECT_EQ(profile().LightInfo[0].Red, tableColor.Red) << "the table color keeps its values";
    EXPECT_EQ(profile().LightInfo[0].On, 0) << "byte 20 still sets the on flag";

    answerSettings("00", "01", "01", "09 44 55 66");
    ASSERT_TRUE(readProfileSettings(link, *block, 2));
    EXPECT_EQ(profile().LtChoseType, 0) << "byte 21 is not consulted";
    EXPECT_EQ(profile().LightInfo[0].TableIndex, 9);
}

TEST_F(ProfileSettingsReadTest, AFailedReadOrSelectLeavesTheProfileUnchanged)
{
    const settings::ProfileRecord before = profile();
    mouse.failNextRead(6);
    EXPECT_FALSE(readProfileSettings(link, *block, 2));
    EXPECT_TRUE(settings::sameBytes(before, profile()));

    conversation.clear();
    mouse.refuseWrites(4);
    EXPECT_FALSE(readProfileSettings(link, *block, 2));
    EXPECT_THAT(conversation.lines(), ElementsAre("send 04 02 80 refused")) << "no read after a failed select";

    conversation.clear();
    mouse.answer("04 02 00");
    EXPECT_FALSE(readProfileSettings(link, *block, 2));
    EXPECT_THAT(conversation.lines(), ElementsAre("send 04 02 80", "pause 100", "get 04 -> 04 02 00"));
    EXPECT_TRUE(settings::sameBytes(before, profile()));
}

TEST_F(ProfileSettingsReadTest, AnAnswerCarryingAnotherReportIdIsRefused)
{
    const settings::ProfileRecord before = profile();
    Bytes answer(31, 0x01);
    answer[0] = 7;
    mouse.answerRead(6, answer);
    EXPECT_FALSE(readProfileSettings(link, *block, 2));
    EXPECT_TRUE(settings::sameBytes(before, profile()));
}

TEST_F(ProtocolTest, ActiveProfileIsWrittenAndReadInByteTwo)
{
    block->CurrentProfile = 3;
    EXPECT_TRUE(writeActiveProfile(link, *block));
    EXPECT_THAT(conversation.lines(), ElementsAre("send 05 03 03", "pause 100", kReady));

    conversation.clear();
    mouse.answer("05 03 02");
    EXPECT_TRUE(readActiveProfile(link, *block));
    EXPECT_EQ(block->CurrentProfile, 2);
    EXPECT_THAT(conversation.lines(), ElementsAre("get 05 -> 05 03 02")) << "a read needs no select";
}

TEST_F(ProtocolTest, ActiveProfileOutOfRangeIsNeitherStoredNorSent)
{
    block->CurrentProfile = 1;
    mouse.answer("05 03 05");
    EXPECT_FALSE(readActiveProfile(link, *block));
    EXPECT_EQ(block->CurrentProfile, 1);

    block->CurrentProfile = -1;
    conversation.clear();
    EXPECT_FALSE(writeActiveProfile(link, *block));
    EXPECT_TRUE(conversation.lines().empty());
}

}  // namespace
}  // namespace monitor::protocol::test
