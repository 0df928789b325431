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

TEST_F(Transfer, CommandsCarryTheirFieldsAtTheirPlaces)
{
    ASSERT_TRUE(run(*imageOf(1025)));
    const auto& r = mouse.reports;
    const std::vector<std::uint8_t> start(r[0].begin(), r[0].begin() + 12);
    EXPECT_THAT(start, ElementsAre(0x1B, 0x00, 0, 0, 'Z', 'N', 'U', 'P', 'D', 'A', 'T', 'E'));
    const std::vector<std::uint8_t> size(r[1].begin(), r[1].begin() + 12);
    EXPECT_THAT(size, ElementsAre(0x1B, 0x01, 0, 0, 0x01, 0x04, 0, 0, 0x55, 0xAA, 0x5A, 0xA5));
    EXPECT_EQ(r[2][4], 0xEC);
    const std::vector<std::uint8_t> header(r[5].begin(), r[5].begin() + 12);
    EXPECT_THAT(header, ElementsAre(0x1B, 0x03, 0, 0, 0x01, 0x00, 0xAB, 0x00, 0x55, 0xAA, 0x5A, 0xA5));
    // The second block: one image byte, then 1023 zeros.
    EXPECT_EQ(r[6][2], 0xAB);
    EXPECT_TRUE(std::all_of(r[6].begin() + 3, r[6].end(), [](auto b) { return b == 0; }));
    for (const auto& report : r) {
        ASSERT_EQ(report.size(), 1026u);
        if (report[1] != 0x04) {  // only block data fills the rest
            EXPECT_TRUE(std::all_of(report.begin() + 12, report.end(), [](auto b) { return b == 0; }));
        }
    }
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
}

TEST_F(Transfer, FailedStatusReadsArePolledAgain)
{
    mouse.statuses = {-1, -1, 1};
    EXPECT_TRUE(transfer.sendCommand(prepareCommand()));
    EXPECT_EQ(mouse.statusReads, 3);
    mouse.statuses.assign(20, -1);
    EXPECT_FALSE(transfer.sendCommand(prepareCommand()));
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
