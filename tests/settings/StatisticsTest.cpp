#include <gtest/gtest.h>

#include <limits>

#include "settings/Statistics.h"

namespace settings {
namespace {

TEST(StatisticsCounters, EachEventTypeFeedsItsCounter)
{
    const std::pair<std::uint16_t, int> expected[] = {
        {0xE100, 0}, {0xE200, 1}, {0xE300, 2}, {0xE400, 3}, {0xE500, 4}, {0xE600, 5},
        {0xE700, 6}, {0xEA00, 9}, {0xEE00, 10}, {0xED00, 11}, {0xEF00, 12},
    };
    for (const auto& [type, index] : expected) {
        InfoData info;
        const StatisticsUpdate update = countStatisticsEvent(info, type, 7);
        EXPECT_TRUE(update.counted);
        for (int i = 0; i < kCounterCount; ++i)
            EXPECT_EQ(info.Counters[i], i == index ? 7 : 0) << std::hex << type << " counter " << std::dec << i;
    }
}

TEST(StatisticsCounters, TypesWithoutCounterChangeNothing)
{
    for (std::uint16_t type : {0xE000, 0xE800, 0xE900, 0xEB00, 0xEC00, 0xE101, 0x0000}) {
        InfoData info;
        info.Counters[10] = 5000;  // enough for a trophy if a check ran
        const StatisticsUpdate update = countStatisticsEvent(info, type, 5);
        EXPECT_FALSE(update.counted) << std::hex << type;
        EXPECT_FALSE(update.awards.any());
        EXPECT_EQ(info.TrophyFlags[0], 0);
        EXPECT_EQ(info.Counters[7], 0);
        EXPECT_EQ(info.Counters[8], 0);
    }
}

TEST(StatisticsCounters, SaturateInsteadOfOverflowing)
{
    InfoData info;
    info.Counters[0] = std::numeric_limits<std::int32_t>::max() - 10;
    countStatisticsEvent(info, 0xE100, 0xFFFF);
    EXPECT_EQ(info.Counters[0], std::numeric_limits<std::int32_t>::max());
    countStatisticsEvent(info, 0xE100, 1);
    EXPECT_EQ(info.Counters[0], std::numeric_limits<std::int32_t>::max());
}

TEST(Trophies, LargeCountersDoNotOverflowTheGroupSums)
{
    InfoData info;
    for (int i = 0; i < 5; ++i)
        info.Counters[i] = std::numeric_limits<std::int32_t>::max();
    const StatisticsUpdate update = countStatisticsEvent(info, 0xE100, 1);
    EXPECT_TRUE(update.awards.contains(4));
}

TEST(Trophies, OneGroupAwardsOneTrophyPerEvent)
{
    InfoData info;
    info.Counters[10] = 999;
    StatisticsUpdate update = countStatisticsEvent(info, 0xEE00, 29001);  // 30000 together
    ASSERT_EQ(update.awards.count, 1);
    EXPECT_EQ(update.awards.numbers[0], 1);
    EXPECT_EQ(info.TrophyFlags[0], 1);
    EXPECT_EQ(info.TrophyFlags[1], 0);
    EXPECT_EQ(info.LastTrophy, 1);

    update = countStatisticsEvent(info, 0xED00, 0);
    ASSERT_EQ(update.awards.count, 1);
    EXPECT_EQ(update.awards.numbers[0], 2);
    update = countStatisticsEvent(info, 0xED00, 0);
    ASSERT_EQ(update.awards.count, 1);
    EXPECT_EQ(update.awards.numbers[0], 3);
    EXPECT_EQ(info.LastTrophy, 3);
    update = countStatisticsEvent(info, 0xED00, 0);
    EXPECT_FALSE(update.awards.any());
    EXPECT_EQ(info.LastTrophy, 3);
}

TEST(Trophies, ThresholdsOfEveryGroup)
{
    struct Case {
        int counter;
        std::int32_t below, reached;
        int trophy;
    };
    // Just below and at each group's first threshold (element 9 counts half).
    const Case cases[] = {
        {11, 999, 1000, 1}, {2, 49999, 50000, 4}, {9, 19999, 20000, 7}, {6, 29999, 30000, 10},
    };
    for (const Case& c : cases) {
        InfoData info;
        info.Counters[c.counter] = c.below;
        EXPECT_FALSE(awardTrophies(info).any()) << "trophy " << c.trophy;
        info.Counters[c.counter] = c.reached;
        const TrophyAwards awards = awardTrophies(info);
        ASSERT_EQ(awards.count, 1);
        EXPECT_EQ(awards.numbers[0], c.trophy);
    }
}

TEST(Trophies, SeveralGroupsInOneEventLastGroupIsRecorded)
{
    InfoData info;
    info.Counters[10] = 1000;
    info.Counters[0] = 50000;
    info.Counters[5] = 30000;
    const StatisticsUpdate update = countStatisticsEvent(info, 0xE700, 0);
    ASSERT_EQ(update.awards.count, 3);
    EXPECT_EQ(update.awards.numbers[0], 1);
    EXPECT_EQ(update.awards.numbers[1], 4);
    EXPECT_EQ(update.awards.numbers[2], 10);
    EXPECT_EQ(info.LastTrophy, 10);
    EXPECT_EQ(info.TrophyFlags[6], 0);
}

TEST(Trophies, AFlagOtherThanOneIsNotEarned)
{
    InfoData info;
    info.Counters[10] = 1000;
    info.TrophyFlags[0] = 2;
    const TrophyAwards awards = awardTrophies(info);
    ASSERT_EQ(awards.count, 1);
    EXPECT_EQ(awards.numbers[0], 1);
    EXPECT_EQ(info.TrophyFlags[0], 1);
}

TEST(Trophies, TheTwelfthAwardBringsTrophyThirteen)
{
    InfoData info;
    for (int i = 0; i < kTrophyCount; ++i)
        info.TrophyFlags[i] = 1;
    info.TrophyFlags[11] = 0;  // trophy 12 missing
    info.Counters[5] = 500000;
    const StatisticsUpdate update = countStatisticsEvent(info, 0xE600, 0);
    ASSERT_EQ(update.awards.count, 2);
    EXPECT_EQ(update.awards.numbers[0], 12);
    EXPECT_EQ(update.awards.numbers[1], 13);
    EXPECT_EQ(info.AllTrophiesFlag, 1);
    EXPECT_EQ(info.LastTrophy, 13);
}

TEST(Trophies, ThirteenNeedsAnAwardInTheSameEvent)
{
    InfoData info;
    for (int i = 0; i < kTrophyCount; ++i)
        info.TrophyFlags[i] = 1;
    info.LastTrophy = 5;
    const StatisticsUpdate update = countStatisticsEvent(info, 0xE100, 1);
    EXPECT_FALSE(update.awards.any());
    EXPECT_EQ(info.AllTrophiesFlag, 0);
    EXPECT_EQ(info.LastTrophy, 5);
}

}  // namespace
}  // namespace settings
