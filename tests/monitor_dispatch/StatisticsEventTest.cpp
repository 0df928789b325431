// The mouse reports usage counts: counted, trophies awarded and announced,
// published, saved (the monitor bounds how often) and the application told.

#include "DispatchFakes.h"

namespace monitor::dispatch::test {
namespace {

using ::testing::ElementsAre;

constexpr char kStatisticsChanged[] = "post 1264 0 0 to VANTRO Zuro Vell Lumic Noxa Edition Option";

constexpr char kSaved[] = "save statistics";

class StatisticsEventTest : public DispatcherTest {};

TEST_F(StatisticsEventTest, ACountIsAddedStoredAndReported)
{
    send(0xE100, 700);
    send(0xEF00, 5);
    EXPECT_EQ(monitor.block().InfoData.Counters[0], 700);
    EXPECT_EQ(monitor.block().InfoData.Counters[12], 5);
    ASSERT_NE(monitor.copiedOut, nullptr);
    EXPECT_EQ(monitor.copiedOut->InfoData.Counters[12], 5);
    EXPECT_THAT(journal, ElementsAre("copy out", kSaved, kStatisticsChanged, "copy out", kSaved, kStatisticsChanged));
}

TEST_F(StatisticsEventTest, ATrophyPlaysTheTrophySoundForFourSeconds)
{
    profile(0).SoundTrophy = 1;
    send(0xEE00, 1000);  // counters 10 + 11 reach 1000: trophy 1
    EXPECT_EQ(monitor.block().InfoData.TrophyFlags[0], 1);
    EXPECT_EQ(monitor.block().InfoData.LastTrophy, 1);
    EXPECT_THAT(journal,
                ElementsAre("stop feedback", "timer 610 4000", "sound 50", "copy out", kSaved, kStatisticsChanged));
}

TEST_F(StatisticsEventTest, TheLastTrophyPlaysTheAllTrophiesSound)
{
    profile(0).SoundTrophy = 1;
    settings::InfoData& info = monitor.blockData->InfoData;
    for (int t = 0; t < settings::kTrophyCount; ++t) info.TrophyFlags[t] = 1;
    info.TrophyFlags[0] = 0;
    send(0xEE00, 1000);
    EXPECT_EQ(info.AllTrophiesFlag, 1);
    EXPECT_THAT(journal,
                ElementsAre("stop feedback", "timer 610 4000", "sound 51", "copy out", kSaved, kStatisticsChanged));
}

TEST_F(StatisticsEventTest, ARunningTrophyAnnouncementDoesNotSilenceTheNext)
{
    profile(0).SoundTrophy = 1;
    host.trophyRunning = true;
    send(0xEE00, 1000);
    EXPECT_THAT(journal,
                ElementsAre("stop feedback", "timer 610 4000", "sound 50", "copy out", kSaved, kStatisticsChanged));
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
    EXPECT_THAT(journal, ElementsAre("copy out", kSaved, kStatisticsChanged, "copy out", kSaved, kStatisticsChanged));
}

TEST_F(StatisticsEventTest, TypesE000AndE100GoToDifferentHandlers)
{
    send(0xE000, 3);
    send(0xE100, 3);
    EXPECT_EQ(monitor.block().InfoData.Counters[0], 3);
    EXPECT_THAT(journal, ElementsAre("show macro name 3", "copy out", kSaved, kStatisticsChanged));
}

}  // namespace
}  // namespace monitor::dispatch::test
