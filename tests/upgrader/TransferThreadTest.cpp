// The transfer thread: it runs its job only when started and is woken out of
// any wait and joined when the upgrader closes.

#include <gtest/gtest.h>

#include <atomic>
#include <future>

#include "upgrader/core/TransferThread.h"

namespace upgrader::test {
namespace {

using namespace std::chrono_literals;

TEST(TransferThread, RunsTheJobOncePerStartAndReportsItsResult)
{
    std::promise<bool> result;
    std::atomic<int> runs{0};
    TransferThread thread([&](Waiter&) { return ++runs == 1; }, [&](bool ok) { result.set_value(ok); });
    EXPECT_EQ(runs.load(), 0);
    thread.start();
    EXPECT_TRUE(result.get_future().get());
    thread.stop();
    EXPECT_EQ(runs.load(), 1);
}

TEST(TransferThread, StopWakesAWaitingJobWhichThenFails)
{
    std::promise<void> waiting;
    std::optional<bool> reported;
    bool waitResult = true;
    {
        TransferThread thread(
            [&](Waiter& waiter) {
                waiting.set_value();
                waitResult = waiter.wait(24h);
                return waitResult;
            },
            [&](bool ok) { reported = ok; });
        thread.start();
        waiting.get_future().wait();
    }  // stops and joins; a wait that is not woken would hang here
    EXPECT_FALSE(waitResult);
    EXPECT_EQ(reported, false);
}

TEST(TransferThread, StoppedBeforeAStartTheJobNeverRuns)
{
    bool ran = false;
    TransferThread thread([&](Waiter&) { return ran = true; }, {});
    thread.stop();
    thread.start();
    EXPECT_FALSE(ran);
}

}  // namespace
}  // namespace upgrader::test
