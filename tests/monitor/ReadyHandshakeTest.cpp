#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include "monitor/protocol/ReadyHandshake.h"
#include "tests/monitor/ProtocolConversation.h"

namespace monitor::protocol::test {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using std::chrono::milliseconds;

const std::string kBusy = "get 04 -> 04 03 00";

class ReadyHandshakeTest : public ProtocolTest {};

TEST_F(ReadyHandshakeTest, ReadyAtOnceAfterTheInitialDelay)
{
    EXPECT_TRUE(waitUntilReady(link, milliseconds{500}));
    EXPECT_THAT(conversation.lines(), ElementsAre("pause 500", kReady));
    EXPECT_EQ(pauser.sleeps(), 5) << "in steps of 100 ms";
}

TEST_F(ReadyHandshakeTest, BusyIsAskedAgainAfterLongerPauses)
{
    mouse.answer("04 03 00");
    mouse.answer("04 03 00");
    EXPECT_TRUE(waitUntilReady(link, milliseconds{300}));
    EXPECT_THAT(conversation.lines(),
                ElementsAre("pause 300", kBusy, "pause 1000", kBusy, "pause 1500", kReady));
}

TEST_F(ReadyHandshakeTest, BusyOnEveryAttemptGivesUpAfterTheTenthRead)
{
    mouse.statusAnswer = [] { return Bytes{4, 3, 0}; };
    EXPECT_FALSE(waitUntilReady(link, milliseconds{100}));
    std::vector<std::string> expected = {"pause 100", kBusy, "pause 1000", kBusy, "pause 1500", kBusy};
    for (int attempt = 3; attempt < 10; ++attempt) {
        expected.push_back("pause 2000");
        expected.push_back(kBusy);
    }
    EXPECT_THAT(conversation.lines(), ElementsAreArray(expected));
    EXPECT_EQ(pauser.sleeps(), (100 + 16500) / 100);
}

TEST_F(ReadyHandshakeTest, DelayBelowOneStepWaitsNotAtAll)
{
    EXPECT_TRUE(waitUntilReady(link, milliseconds{99}));
    EXPECT_THAT(conversation.lines(), ElementsAre(kReady));
}

TEST_F(ReadyHandshakeTest, AnyStatusOtherThanReadyOrBusyFails)
{
    for (const char* status : {"04 00 00", "04 02 00", "04 ff 00"}) {
        conversation.clear();
        mouse.answer(status);
        EXPECT_FALSE(waitUntilReady(link, milliseconds{100})) << status;
        EXPECT_THAT(conversation.lines(), ElementsAre("pause 100", std::string("get 04 -> ") + status));
    }
}

TEST_F(ReadyHandshakeTest, AFailedStatusReadFails)
{
    mouse.answer("04 03 00");
    mouse.failNextRead(4);
    EXPECT_FALSE(waitUntilReady(link, milliseconds{100}));
    EXPECT_THAT(conversation.lines(), ElementsAre("pause 100", kBusy, "pause 1000", "get 04 failed"));
}

TEST_F(ReadyHandshakeTest, AbortStopsBeforeTheNextStep)
{
    abort = true;
    EXPECT_FALSE(waitUntilReady(link, milliseconds{500}));
    EXPECT_TRUE(conversation.lines().empty());

    abort = false;
    mouse.answer("04 03 00");
    // Set during the fourth step of the 1000 ms pause before the second read.
    abortAfterSleeps(4);
    EXPECT_FALSE(waitUntilReady(link, milliseconds{100}));
    EXPECT_THAT(conversation.lines(), ElementsAre("pause 100", kBusy, "pause 300"));
}

}  // namespace
}  // namespace monitor::protocol::test
