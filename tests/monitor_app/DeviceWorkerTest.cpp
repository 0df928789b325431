#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "monitor/app/DeviceWorker.h"
#include "messages/MessageNumbers.h"

namespace monitor::app {
namespace {

using namespace std::chrono_literals;

// Records what ran; the whole-device read can be made to wait for the abort flag.
class RecordingJobs final : public DeviceJobs {
public:
    bool readWholeDevice() override
    {
        record("read");
        if (waitForAbort) {
            started.store(true);
            started.notify_all();
            // As the protocol's pauses do, in steps that test the flag.
            while (!abort->load())
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return true;
    }
    bool writeActiveProfile() override { return record("active"); }
    bool uploadColorDatabase() override { return record("colors"); }
    bool sendRequestedMacro(int number) override { return record("macro " + std::to_string(number)); }

    bool record(const std::string& job)
    {
        const std::lock_guard held(mutex);
        ran.push_back(job);
        if (abort)
            abortAtStart.push_back(abort->load());
        if (busy)
            busyDuring.push_back(busy());
        return true;
    }

    std::mutex mutex;
    std::vector<std::string> ran;
    std::vector<bool> abortAtStart;
    std::vector<bool> busyDuring;
    std::atomic<bool>* abort = nullptr;
    std::function<bool()> busy;
    bool waitForAbort = false;
    std::atomic<bool> started{false};
};

class DeviceWorkerFixture : public ::testing::Test {
protected:
    DeviceWorkerFixture()
        : worker(jobs, state, [this](platform::WParam job, bool succeeded) {
              const std::lock_guard held(mutex);
              finished.emplace_back(job, succeeded);
              changed.notify_all();
          })
    {
        jobs.abort = &worker.abortFlag();
        jobs.busy = [this] { return worker.isBusy(); };
    }

    bool waitForFinished(std::size_t count)
    {
        std::unique_lock held(mutex);
        return changed.wait_for(held, 5s, [&] { return finished.size() >= count; });
    }

    RecordingJobs jobs;
    std::atomic<DeviceState> state{DeviceState::Present};
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<std::pair<platform::WParam, bool>> finished;
    DeviceWorker worker;
};

TEST_F(DeviceWorkerFixture, NoJobRunsWhileTheMouseIsAbsent)
{
    state = DeviceState::Absent;
    ASSERT_TRUE(worker.start());
    ASSERT_TRUE(worker.post(messages::worker_job::kWriteActiveProfile));
    ASSERT_TRUE(worker.post(messages::worker_job::kUploadColorDatabase));
    ASSERT_TRUE(worker.post(messages::worker_job::kReadWholeDevice));
    EXPECT_TRUE(worker.stop(1000ms));
    EXPECT_TRUE(jobs.ran.empty());
    EXPECT_TRUE(finished.empty());
}

TEST_F(DeviceWorkerFixture, AJobIsBusyAndStartsWithTheAbortFlagCleared)
{
    ASSERT_TRUE(worker.start());
    worker.abortFlag().store(true);
    ASSERT_TRUE(worker.post(messages::worker_job::kUploadColorDatabase));
    ASSERT_TRUE(waitForFinished(1));
    EXPECT_EQ(jobs.abortAtStart, std::vector<bool>{false});
    EXPECT_EQ(jobs.busyDuring, std::vector<bool>{true});
    EXPECT_FALSE(worker.isBusy());
    EXPECT_EQ(finished[0], std::make_pair(messages::worker_job::kUploadColorDatabase, true));
}

TEST_F(DeviceWorkerFixture, MacroNumbersOutsideOneToHundredTenNeverReachTheJob)
{
    ASSERT_TRUE(worker.start());
    for (const platform::LParam number : {0LL, 111LL, -5LL, 110LL, 1LL})
        worker.post(messages::worker_job::kMacroOnRequest, number);
    worker.post(99);
    ASSERT_TRUE(waitForFinished(6));
    EXPECT_EQ(jobs.ran, (std::vector<std::string>{"macro 110", "macro 1"}));
    EXPECT_FALSE(finished[0].second);
    EXPECT_FALSE(finished[5].second) << "an unknown job fails";
}

TEST_F(DeviceWorkerFixture, StopAbortsTheRunningJobAndJoinsTheThread)
{
    jobs.waitForAbort = true;
    ASSERT_TRUE(worker.start());
    ASSERT_TRUE(worker.post(messages::worker_job::kReadWholeDevice));
    jobs.started.wait(false);
    EXPECT_TRUE(worker.isBusy());
    EXPECT_TRUE(worker.stop(1000ms));
    EXPECT_TRUE(worker.abortFlag().load());
    EXPECT_FALSE(worker.post(messages::worker_job::kWriteActiveProfile)) << "a stopped worker takes no jobs";
}

}  // namespace
}  // namespace monitor::app
