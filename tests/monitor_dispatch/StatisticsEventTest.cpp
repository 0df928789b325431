// The mouse reports usage counts: counted, trophies awarded and announced,
// stored in config.ini and the application told.

#include "DispatchFakes.h"

#include "platform/ini/PrivateProfile.h"

namespace monitor::dispatch::test {
namespace {

using ::testing::ElementsAre;

constexpr char kStatisticsChanged[] = "post 1264 0 0 to VANTRO Zuro Vell Lumic Noxa Edition Option";

class StatisticsEventTest : public DispatcherTest {
protected:
    settings::InfoData storedInfoData()
    {
        settings::InfoData info;
        EXPECT_TRUE(platform::ini::readStruct(folder.path() + "config.ini", "Setting", "InfoData", &info, sizeof info));
        return info;
    }
};

TEST_F(StatisticsEventTest, ACountIsAddedStoredAndReported)
{
    send(0xE100, 700);
    send(0xEF00, 5);
    EXPECT_EQ(monitor.block().InfoData.Counters[0], 700);
    EXPECT_EQ(monitor.block().InfoData.Counters[12], 5);
    EXPECT_EQ(storedInfoData().Counters[0], 700);
    ASSERT_NE(monitor.copiedOut, nullptr);
    EXPECT_EQ(monitor.copiedOut->InfoData.Counters[12], 5);
    EXPECT_THAT(journal, ElementsAre("copy out", kStatisticsChanged, "copy out", kStatisticsChanged));
}

TEST_F(StatisticsEventTest, ATrophyPlaysTheTrophySoundForFourSeconds)
{
    profile(0).SoundTrophy = 1;
    send(0xEE00, 1000);  // counters 10 + 11 reach 1000: trophy 1
    EXPECT_EQ(monitor.block().InfoData.TrophyFlags[0], 1);
    EXPECT_EQ(storedInfoData().LastTrophy, 1);
    EXPECT_THAT(journal, ElementsAre("stop feedback", "timer 610 4000", "sound 50", "copy out", kStatisticsChanged));
}

TEST_F(StatisticsEventTest, TheLastTrophyPlaysTheAllTrophiesSound)
{
    profile(0).SoundTrophy = 1;
    settings::InfoData& info = monitor.blockData->InfoData;
    for (int t = 0; t < settings::kTrophyCount; ++t) info.TrophyFlags[t] = 1;
    info.TrophyFlags[0] = 0;
    send(0xEE00, 1000);
    EXPECT_EQ(info.AllTrophiesFlag, 1);
    EXPECT_THAT(journal, ElementsAre("stop feedback", "timer 610 4000", "sound 51", "copy out", kStatisticsChanged));
}

TEST_F(StatisticsEventTest, ARunningTrophyAnnouncementDoesNotSilenceTheNext)
{
    profile(0).SoundTrophy = 1;
    host.trophyRunning = true;
    send(0xEE00, 1000);
    EXPECT_THAT(journal, ElementsAre("stop feedback", "timer 610 4000", "sound 50", "copy out", kStatisticsChanged));
}

TEST_F(StatisticsEventTest, NoTrophySoundInACountdownsFinalSecondsOrWhenSwitchedOff)
{
    profile(0).SoundTrophy = 1;
    host.finalPhase = true;
    send(0xEE00, 1000);
    host.finalPhase = false;
    profile(0).SoundTrophy = 0;
    send(0xEE00, 9000);  // trophy 2
    EXPECT_EQ(monitor.block().InfoData.TrophyFlags[1], 1);
    EXPECT_THAT(journal, ElementsAre("copy out", kStatisticsChanged, "copy out", kStatisticsChanged));
}

TEST_F(StatisticsEventTest, TypesE000AndE100GoToDifferentHandlers)
{
    send(0xE000, 3);
    send(0xE100, 3);
    EXPECT_EQ(monitor.block().InfoData.Counters[0], 3);
    EXPECT_THAT(journal, ElementsAre("osd 0", "post 1324 70 0 to VANTRO Zuro Vell Lumic Noxa Edition OSD",
                                     "copy out", kStatisticsChanged));
}

}  // namespace
}  // namespace monitor::dispatch::test
