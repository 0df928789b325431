#include "platform/threads/MessageThread.h"

#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;
using platform::LParam;
using platform::MessageId;
using platform::MessageThread;
using platform::WParam;

constexpr auto kPromptly = 5s;
constexpr MessageId kJob = 1649;

struct Received {
    MessageId message;
    WParam wParam;
    LParam lParam;
    std::thread::id thread;
};

// Records the jobs a thread runs and lets the test wait for a number of them.
class JobLog {
public:
    void add(MessageId message, WParam wParam, LParam lParam)
    {
        std::lock_guard lock(mutex_);
        jobs_.push_back({message, wParam, lParam, std::this_thread::get_id()});
        changed_.notify_all();
    }

    bool waitForCount(std::size_t count)
    {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, kPromptly, [&] { return jobs_.size() >= count; });
    }

    std::vector<Received> jobs()
    {
        std::lock_guard lock(mutex_);
        return jobs_;
    }

    MessageThread::Handler handler()
    {
        return [this](MessageId m, WParam w, LParam l) { add(m, w, l); };
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<Received> jobs_;
};

// A gate a job waits at until the test opens it.
class Gate {
public:
    void open()
    {
        std::lock_guard lock(mutex_);
        open_ = true;
        changed_.notify_all();
    }
    void pass()
    {
        std::unique_lock lock(mutex_);
        reached_ = true;
        changed_.notify_all();
        changed_.wait(lock, [&] { return open_; });
    }
    bool waitUntilReached()
    {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, kPromptly, [&] { return reached_; });
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    bool open_ = false;
    bool reached_ = false;
};

// --- Running jobs -------------------------------------------------------------

TEST(MessageThreadTest, RunsJobsInOrderOnOneThreadOfItsOwn)
{
    constexpr int kJobs = 1000;
    JobLog log;
    MessageThread thread(log.handler());
    // The start-up step runs on the thread itself, before the first job.
    ASSERT_TRUE(thread.start([&log] { log.add(0, 0, 0); }));
    EXPECT_TRUE(thread.isRunning());
    for (int i = 0; i < kJobs; ++i) ASSERT_TRUE(thread.post(kJob + i % 2, i, -i));
    ASSERT_TRUE(log.waitForCount(kJobs + 1));

    auto jobs = log.jobs();
    ASSERT_EQ(jobs.size(), static_cast<std::size_t>(kJobs) + 1);
    EXPECT_EQ(jobs.front().message, 0u);
    const std::thread::id startedOn = jobs.front().thread;
    jobs.erase(jobs.begin());
    for (int i = 0; i < kJobs; ++i) {
        EXPECT_EQ(jobs[i].message, kJob + i % 2);
        EXPECT_EQ(jobs[i].wParam, static_cast<WParam>(i));
        EXPECT_EQ(jobs[i].lParam, -i);
        EXPECT_EQ(jobs[i].thread, startedOn);
    }
    EXPECT_NE(startedOn, std::this_thread::get_id());
}

TEST(MessageThreadTest, TakesJobsPostedFromManyThreads)
{
    constexpr int kPosters = 8;
    constexpr int kJobsEach = 500;
    JobLog log;
    MessageThread thread(log.handler());
    ASSERT_TRUE(thread.start());

    std::vector<std::thread> posters;
    for (int p = 0; p < kPosters; ++p) {
        posters.emplace_back([&, p] {
            for (int i = 0; i < kJobsEach; ++i) thread.post(kJob, p, i);
        });
    }
    for (auto& poster : posters) poster.join();
    ASSERT_TRUE(log.waitForCount(kPosters * kJobsEach));

    // Each poster's jobs arrive complete and in the order it posted them.
    std::vector<LParam> next(kPosters, 0);
    for (const auto& job : log.jobs()) {
        ASSERT_LT(job.wParam, static_cast<WParam>(kPosters));
        EXPECT_EQ(job.lParam, next[job.wParam]++);
    }
    for (int p = 0; p < kPosters; ++p) EXPECT_EQ(next[p], kJobsEach);
}

TEST(MessageThreadTest, AJobMayPostToItsOwnThread)
{
    JobLog log;
    MessageThread* self = nullptr;
    MessageThread thread([&](MessageId m, WParam w, LParam l) {
        log.add(m, w, l);
        if (w < 3) self->post(m, w + 1, l);
    });
    self = &thread;
    ASSERT_TRUE(thread.start());
    ASSERT_TRUE(thread.post(kJob, 0, 0));
    ASSERT_TRUE(log.waitForCount(4));
    EXPECT_EQ(log.jobs()[3].wParam, 3u);
}

TEST(MessageThreadTest, PostsAreRefusedBeforeStartAndStartsOnlyOnce)
{
    JobLog log;
    MessageThread thread(log.handler());
    EXPECT_FALSE(thread.isRunning());
    EXPECT_FALSE(thread.post(kJob));
    ASSERT_TRUE(thread.start());
    EXPECT_FALSE(thread.start());
}

// --- Quitting -----------------------------------------------------------------

TEST(MessageThreadTest, QuitWhileIdleEndsAndJoins)
{
    JobLog log;
    MessageThread thread(log.handler());
    ASSERT_TRUE(thread.start());
    ASSERT_TRUE(thread.post(kJob));
    ASSERT_TRUE(log.waitForCount(1));

    EXPECT_TRUE(thread.quit(kPromptly));
    EXPECT_FALSE(thread.isRunning());
    EXPECT_TRUE(thread.quitRequested());
    EXPECT_FALSE(thread.post(kJob)) << "a job after quit";
}

TEST(MessageThreadTest, QuitDuringALongJobGivesUpAtTheLimitAndTheDestructorJoins)
{
    Gate gate;
    JobLog log;
    bool sawQuitRequest = false;
    {
        MessageThread* self = nullptr;
        MessageThread thread([&](MessageId m, WParam w, LParam l) {
            if (w == 1) {
                gate.pass();
                sawQuitRequest = self->quitRequested();
            }
            log.add(m, w, l);
        });
        self = &thread;
        ASSERT_TRUE(thread.start());
        ASSERT_TRUE(thread.post(kJob, 1));
        ASSERT_TRUE(thread.post(kJob, 2));
        ASSERT_TRUE(gate.waitUntilReached());

        EXPECT_FALSE(thread.quit(50ms)) << "the job is still held at the gate";
        EXPECT_TRUE(thread.isRunning());
        EXPECT_FALSE(thread.post(kJob, 3));
        gate.open();
    }  // joins here
    EXPECT_TRUE(sawQuitRequest);
    const auto jobs = log.jobs();
    ASSERT_EQ(jobs.size(), 1u) << "the running job ends, the pending one is dropped";
    EXPECT_EQ(jobs[0].wParam, 1u);
}

TEST(MessageThreadTest, PostedQuitEndsTheThreadAfterEarlierJobs)
{
    JobLog log;
    MessageThread thread(log.handler());
    ASSERT_TRUE(thread.start());
    ASSERT_TRUE(thread.post(kJob, 1));
    ASSERT_TRUE(thread.post(kJob, 2));
    ASSERT_TRUE(thread.post(platform::WM_QUIT));
    thread.post(kJob, 3);  // may still be queued behind the quit; never runs

    EXPECT_TRUE(thread.join(kPromptly));
    EXPECT_FALSE(thread.isRunning());
    EXPECT_FALSE(thread.post(kJob, 4));
    const auto jobs = log.jobs();
    ASSERT_EQ(jobs.size(), 2u);
    EXPECT_EQ(jobs[0].wParam, 1u);
    EXPECT_EQ(jobs[1].wParam, 2u);
}

TEST(MessageThreadTest, JoinWithoutAQuitGivesUpAtTheLimit)
{
    MessageThread thread([](MessageId, WParam, LParam) {});
    ASSERT_TRUE(thread.start());
    EXPECT_FALSE(thread.join(20ms));
    EXPECT_TRUE(thread.isRunning());
    EXPECT_TRUE(thread.post(kJob));
}

}  // namespace
