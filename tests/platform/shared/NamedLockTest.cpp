#include "platform/shared/NamedLock.h"

#include <atomic>
#include <filesystem>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "platform/shared/SharedSection.h"
#include "tests/platform/shared/ForkedChild.h"
#include "tests/support/TemporaryFolder.h"

namespace {

using namespace std::chrono_literals;
using platform::NamedLock;
using platform::NamedLockGuard;
using platform::SharedSection;
using testsupport::ForkedChild;
using testsupport::ParentLink;

constexpr const char* kLockName = "Vantro_ZuroNoxa_Mouse_Mutex_Object";
constexpr const char* kInstanceName = "VANTRO_ZuroTarn_Mouse_Normal_Monitor";
constexpr const char* kSectionName = "VANTRO_ZuroNoxa_Mouse_Share_Data";

// Long enough for a waiter that wrongly got the lock to say so; a waiter that
// rightly waits cannot make this check fail.
constexpr auto kStillWaiting = 200ms;

// Adds one by reading, giving up the processor and writing back, so that two
// writers not kept apart lose increments.
void slowIncrement(volatile long& counter)
{
    const long value = counter;
    std::this_thread::yield();
    counter = value + 1;
}

// A child that opens the lock, reports 'w', waits for it and reports 'g'.
int waitForLock(ParentLink& parent)
{
    auto lock = NamedLock::open(kLockName);
    if (!lock) return 1;
    parent.send('w');
    if (!lock->lock()) return 2;
    parent.send('g');
    lock->unlock();
    return 0;
}

class NamedLockTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(runtime_.valid()); }
    testsupport::TemporaryRuntimeFolder runtime_;
};

// --- Existence ----------------------------------------------------------------

TEST_F(NamedLockTest, ExistsWhileAnyHandleLives)
{
    EXPECT_EQ(NamedLock::open(kLockName), nullptr);

    bool existed = true;
    auto first = NamedLock::create(kLockName, &existed);
    ASSERT_NE(first, nullptr);
    EXPECT_FALSE(existed);

    auto second = NamedLock::create(kLockName, &existed);
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(existed);

    first.reset();
    auto opened = NamedLock::open(kLockName);
    EXPECT_NE(opened, nullptr) << "the second handle keeps it";

    second.reset();
    opened.reset();
    EXPECT_EQ(NamedLock::open(kLockName), nullptr);
    NamedLock::create(kLockName, &existed);
    EXPECT_FALSE(existed);
}

TEST_F(NamedLockTest, LastHandleRemovesItsFiles)
{
    auto first = NamedLock::create(kLockName);
    auto second = NamedLock::open(kLockName);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    first.reset();
    second.reset();
    for (const auto& entry : std::filesystem::directory_iterator(runtime_.objectFolder())) {
        const std::string suffix = entry.path().extension().string();
        EXPECT_TRUE(suffix == ".lock-guard") << "left behind: " << entry.path();
    }
}

TEST_F(NamedLockTest, SecondInstanceIsDetectedUntilTheFirstIsKilled)
{
    ForkedChild first([](ParentLink& parent) {
        bool existed = true;
        auto mutex = NamedLock::create(kInstanceName, &existed);
        if (!mutex || existed) return 1;
        parent.send('c');
        pause();
        return 0;
    });
    ASSERT_TRUE(first.started());
    ASSERT_EQ(first.receive(), 'c');

    bool existed = false;
    auto second = NamedLock::create(kInstanceName, &existed);
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(existed);
    second.reset();

    first.kill();
    auto next = NamedLock::create(kInstanceName, &existed);
    ASSERT_NE(next, nullptr);
    EXPECT_FALSE(existed) << "a killed instance must not stop the next start";
}

TEST_F(NamedLockTest, LockOfAKilledOwnerIsNotOpened)
{
    ForkedChild owner([](ParentLink& parent) {
        auto lock = NamedLock::create(kLockName);
        if (!lock) return 1;
        parent.send('c');
        pause();
        return 0;
    });
    ASSERT_TRUE(owner.started());
    ASSERT_EQ(owner.receive(), 'c');
    EXPECT_NE(NamedLock::open(kLockName), nullptr);

    owner.kill();
    EXPECT_EQ(NamedLock::open(kLockName), nullptr);
}

TEST_F(NamedLockTest, OfCreatorsRacingForANewLockExactlyOneCreatesIt)
{
    constexpr int kCreators = 6;
    for (int round = 0; round < 5; ++round) {
        std::vector<std::unique_ptr<ForkedChild>> creators;
        for (int i = 0; i < kCreators; ++i) {
            creators.push_back(std::make_unique<ForkedChild>([](ParentLink& parent) {
                if (parent.receive() != 'g') return 1;
                bool existed = false;
                auto lock = NamedLock::create(kInstanceName, &existed);
                if (!lock) return 2;
                parent.send(existed ? 'e' : 'n');
                parent.receive();  // keeps its handle until the parent is done
                return 0;
            }));
            ASSERT_TRUE(creators.back()->started());
        }
        for (auto& creator : creators) creator->send('g');
        int fresh = 0;
        for (auto& creator : creators) {
            const auto answer = creator->receive();
            ASSERT_TRUE(answer == 'e' || answer == 'n');
            fresh += answer == 'n';
        }
        EXPECT_EQ(fresh, 1) << "round " << round;
    }
}

// --- Mutual exclusion ---------------------------------------------------------

TEST_F(NamedLockTest, ExcludesProcessesUpdatingTheSharedSection)
{
    constexpr long kIncrements = 20000;
    auto section = SharedSection::create(kSectionName, sizeof(long));
    auto lock = NamedLock::create(kLockName);
    ASSERT_NE(section, nullptr);
    ASSERT_NE(lock, nullptr);

    auto worker = [](ParentLink& parent) {
        auto mySection = SharedSection::open(kSectionName, sizeof(long));
        auto myLock = NamedLock::open(kLockName);
        if (!mySection || !myLock) return 1;
        parent.send('r');
        if (parent.receive() != 'g') return 2;
        auto& counter = *static_cast<volatile long*>(mySection->data());
        for (long i = 0; i < kIncrements; ++i) {
            NamedLockGuard guard(*myLock);
            if (!guard.held()) return 3;
            slowIncrement(counter);
        }
        return 0;
    };
    ForkedChild first(worker);
    ForkedChild second(worker);
    ASSERT_EQ(first.receive(), 'r');
    ASSERT_EQ(second.receive(), 'r');
    first.send('g');
    second.send('g');
    EXPECT_EQ(first.wait(60s), 0);
    EXPECT_EQ(second.wait(60s), 0);
    EXPECT_EQ(*static_cast<volatile long*>(section->data()), 2 * kIncrements);
}

TEST_F(NamedLockTest, ExcludesThreadsSharingOneHandle)
{
    constexpr long kIncrements = 20000;
    auto lock = NamedLock::create(kLockName);
    ASSERT_NE(lock, nullptr);
    volatile long counter = 0;
    std::atomic<bool> failed{false};
    auto work = [&] {
        for (long i = 0; i < kIncrements; ++i) {
            NamedLockGuard guard(*lock);
            if (!guard.held()) failed = true;
            slowIncrement(counter);
        }
    };
    std::thread first(work);
    std::thread second(work);
    first.join();
    second.join();
    EXPECT_FALSE(failed);
    EXPECT_EQ(counter, 2 * kIncrements);
}

TEST_F(NamedLockTest, AKilledHolderFreesTheLockForItsWaiter)
{
    ForkedChild holder([](ParentLink& parent) {
        auto lock = NamedLock::create(kLockName);
        if (!lock || !lock->lock()) return 1;
        parent.send('h');
        pause();
        return 0;
    });
    ASSERT_TRUE(holder.started());
    ASSERT_EQ(holder.receive(), 'h');

    ForkedChild waiter(waitForLock);
    ASSERT_EQ(waiter.receive(), 'w');
    EXPECT_EQ(waiter.receive(kStillWaiting), std::nullopt) << "got a lock that is held";

    holder.kill();
    EXPECT_EQ(waiter.receive(), 'g');
    EXPECT_EQ(waiter.wait(), 0);
}

TEST_F(NamedLockTest, HolderMayLockAgainAndReleasesAfterTheLastUnlock)
{
    auto lock = NamedLock::create(kLockName);
    ASSERT_NE(lock, nullptr);
    ASSERT_TRUE(lock->lock());
    ASSERT_TRUE(lock->lock());

    ForkedChild waiter(waitForLock);
    ASSERT_EQ(waiter.receive(), 'w');
    lock->unlock();
    EXPECT_EQ(waiter.receive(kStillWaiting), std::nullopt) << "freed by the first of two unlocks";
    lock->unlock();
    EXPECT_EQ(waiter.receive(), 'g');
    EXPECT_EQ(waiter.wait(), 0);
}

TEST_F(NamedLockTest, UnlockFromAThreadThatDoesNotHoldItIsIgnored)
{
    auto lock = NamedLock::create(kLockName);
    ASSERT_NE(lock, nullptr);
    ASSERT_TRUE(lock->lock());
    std::thread([&] { lock->unlock(); }).join();

    ForkedChild waiter(waitForLock);
    ASSERT_EQ(waiter.receive(), 'w');
    EXPECT_EQ(waiter.receive(kStillWaiting), std::nullopt) << "another thread released our hold";
    lock->unlock();
    EXPECT_EQ(waiter.receive(), 'g');
}

}  // namespace
