// The update as a conversation with a scripted mouse: the commands, their
// bytes, the pauses, status polling and the bounded repeats.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "ScriptedMouse.h"
#include "upgrader/core/FirmwareTransfer.h"
#include "upgrader/core/StatusPolling.h"

namespace upgrader::test {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

std::unique_ptr<FirmwareImage> imageOf(std::size_t size, std::uint8_t fill = 0xAB)
{
    std::vector<std::uint8_t> bytes(size, fill);
    return makeFirmwareImage(bytes).image;
}

class Transfer : public ::testing::Test {
protected:
    ScriptedMouse mouse;
    FirmwareTransfer transfer{mouse, mouse};
    std::vector<std::size_t> progress;

    bool run(const FirmwareImage& image)
    {
        return transfer.run(image, [this](std::size_t block) { progress.push_back(block); });
    }
};

TEST_F(Transfer, AnImageOf1025BytesGoesOutAsTwoBlocksWithThePrescribedPauses)
{
    ASSERT_TRUE(run(*imageOf(1025)));
    EXPECT_THAT(mouse.commands, ElementsAre("start", "size 1025", "prepare", "header 0 sum 0xAC00", "data 0 first 0x00AB",
                                            "header 1 sum 0x00AB", "data 1 first 0x00AB", "finish"));
    // start: 500 before polling, the first poll's 100, then 500; size and
    // prepare: 100 and 500; each block command 100; finish 500 and 100.
    EXPECT_THAT(mouse.waits, ElementsAre(500, 100, 500, 100, 500, 100, 500, 100, 100, 100, 100, 500, 100));
    EXPECT_THAT(progress, ElementsAre(0, 1));
    EXPECT_EQ(mouse.statusReads, 8);
}

TEST_F(Transfer, PollingFollowsItsScheduleAndGivesUpAfterTwentyBusyAnswers)
{
    mouse.statuses.assign(19, 3);  // busy 19 times, then success
    EXPECT_TRUE(transfer.sendCommand(prepareCommand()));
    EXPECT_THAT(mouse.waits, ElementsAreArray({100, 100, 200, 400, 600, 1500, 500, 1500, 1500, 1500, 1500, 1500, 1500,
                                               1500, 1500, 1500, 1500, 1500, 1500, 1500}));

    mouse.waits.clear();
    mouse.statusReads = 0;
    mouse.statuses.assign(20, 3);
    EXPECT_FALSE(transfer.sendCommand(prepareCommand()));
    EXPECT_EQ(mouse.statusReads, kMaxStatusPolls);
    EXPECT_EQ(mouse.commands.size(), 2u) << "busy is no reason to send again";

    mouse.statusReads = 0;
    mouse.statuses = {-1, -1, 1};
    EXPECT_TRUE(transfer.sendCommand(prepareCommand())) << "a failed read is polled again";
    EXPECT_EQ(mouse.statusReads, 3);
}

TEST_F(Transfer, ARepeatIsSentAgainAtMostFiveTimes)
{
    mouse.statuses = {4, 4, 1};
    EXPECT_TRUE(transfer.sendCommand(finishCommand(), std::chrono::milliseconds(500)));
    EXPECT_EQ(mouse.commands.size(), 3u);
    EXPECT_THAT(mouse.waits, ElementsAre(500, 100, 500, 100, 500, 100)) << "each repeat waits again";

    mouse.commands.clear();
    mouse.afterScript = 4;
    EXPECT_FALSE(transfer.sendCommand(finishCommand()));
    EXPECT_EQ(mouse.commands.size(), 1u + kMaxCommandRepeats);
}

TEST_F(Transfer, AnyFailureStopsTheUpdateButTheFinishDoesNotCount)
{
    mouse.statuses = {1, 1, 1, 1, 1, 2};  // block 1's header refused
    EXPECT_FALSE(run(*imageOf(3000)));
    EXPECT_EQ(mouse.commands.back(), "header 1 sum 0xAC00");
    EXPECT_THAT(progress, ElementsAre(0));

    ScriptedMouse refusing;
    refusing.refuseSetsFrom = 1;
    FirmwareTransfer second(refusing, refusing);
    EXPECT_FALSE(second.run(*imageOf(10)));
    EXPECT_THAT(refusing.commands, ElementsAre("start"));

    ScriptedMouse finishFails;
    finishFails.statuses = {1, 1, 1, 1, 1, 2};
    FirmwareTransfer third(finishFails, finishFails);
    EXPECT_TRUE(third.run(*imageOf(10)));
    EXPECT_EQ(finishFails.commands.back(), "finish");
}

TEST_F(Transfer, AWaitCutShortEndsTheUpdateWithoutAnotherCommand)
{
    mouse.cutWaitsFrom = 8;  // during block 0's data
    EXPECT_FALSE(run(*imageOf(3000)));
    EXPECT_EQ(mouse.commands.back(), "data 0 first 0x00AB");
    EXPECT_TRUE(progress.empty());
}

}  // namespace
}  // namespace upgrader::test
