// A whole-device read merged into the block the window thread kept changing.

#include <memory>

#include <gtest/gtest.h>

#include "monitor/app/PrivateBlock.h"

namespace monitor::app {
namespace {

class PrivateBlockTest : public ::testing::Test {
protected:
    PrivateBlockTest()
    {
        block.modify([](settings::SettingsBlock& b) {
            b.CurrentProfile = 0;
            b.Profiles[0].Cpi_X = 1;
            b.Profiles[0].CpiLevel_X[3] = 32;
        });
    }

    PrivateBlock block;
};

TEST_F(PrivateBlockTest, TheReadFillsOnlyWhatTheWindowThreadLeftAlone)
{
    PrivateBlock::ReadSnapshot read = block.snapshotForRead();
    // Meanwhile: a count, and the mouse's CPI level change away and back (A-B-A).
    block.modify([](settings::SettingsBlock& b) { b.InfoData.Counters[0] += 40; });
    block.modify([](settings::SettingsBlock& b) { b.Profiles[0].Cpi_X = 3; });
    block.modify([](settings::SettingsBlock& b) { b.Profiles[0].Cpi_X = 1; });
    // What the mouse answered.
    read.block->CurrentProfile = 2;
    read.block->Profiles[0].Cpi_X = 4;
    read.block->Profiles[0].CpiLevel_X[3] = 50;
    read.block->Profiles[4].dpi[1] = 0;

    ASSERT_TRUE(block.mergeRead(read.id, *read.block));
    const settings::SettingsBlock& merged = block.get();
    EXPECT_EQ(merged.InfoData.Counters[0], 40);
    EXPECT_EQ(merged.Profiles[0].Cpi_X, 1) << "the newer change of the mouse wins";
    EXPECT_EQ(merged.CurrentProfile, 2);
    EXPECT_EQ(merged.Profiles[0].CpiLevel_X[3], 50);
    EXPECT_EQ(merged.Profiles[4].dpi[1], 0);
    EXPECT_FALSE(block.mergeRead(read.id, *read.block)) << "a read is merged once";
}

}  // namespace
}  // namespace monitor::app
