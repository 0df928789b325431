#include "hidbridge/DeviceMonitor.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>

#include "FakeBackend.h"

namespace hidbridge {
namespace {

using namespace std::chrono_literals;
using testing::FakeBackend;
using ::testing::ElementsAre;

constexpr std::uint32_t kWindow = 77, kEventMessage = 1325, kDeviceMessage = 1326;

struct Posted {
    std::uint32_t window, message;
    std::uint64_t wParam;
    std::int64_t lParam;
    bool operator==(const Posted&) const = default;
};

// Records what the bridge posts and lets a test wait for a number of messages.
class Recorder {
public:
    void post(std::uint32_t w, std::uint32_t m, std::uint64_t wp, std::int64_t lp)
    {
        std::lock_guard lock(mutex_);
        messages_.push_back({w, m, wp, lp});
        changed_.notify_all();
    }
    std::vector<Posted> waitFor(std::size_t count)
    {
        std::unique_lock lock(mutex_);
        changed_.wait_for(lock, 5s, [&] { return messages_.size() >= count; });
        return messages_;
    }
    std::vector<Posted> now()
    {
        std::lock_guard lock(mutex_);
        return messages_;
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<Posted> messages_;
};

class DeviceMonitorTest : public ::testing::Test {
protected:
    DeviceMonitorTest()
        : monitor_([this] {
              std::vector<std::unique_ptr<DeviceBackend>> list;
              list.push_back(std::unique_ptr<DeviceBackend>(backend_));
              return list;
          },
                   [this](std::uint32_t w, std::uint32_t m, std::uint64_t wp, std::int64_t lp) {
                       recorder_.post(w, m, wp, lp);
                   })
    {
    }

    FakeBackend* backend_ = new FakeBackend;  // owned by the monitor once created
    Recorder recorder_;
    DeviceMonitor monitor_;
};

Posted arrival(int id) { return {kWindow, kDeviceMessage, 1, id}; }
Posted removal(int id) { return {kWindow, kDeviceMessage, 0, id}; }
Posted event(std::uint64_t w, std::int64_t l) { return {kWindow, kEventMessage, w, l}; }

TEST_F(DeviceMonitorTest, OpensEveryMatchingEventCollectionWithIdsFromOne)
{
    backend_->plug("a", 0x1E7D, 0x2DC2, testing::eventCollection(), false);
    backend_->plug("b", 0xFFFF, 0x2DC2, testing::eventCollection(), false);  // the alternate vendor ID
    backend_->plug("c", 0x1234, 0x2DC2, testing::eventCollection(), false);  // someone else's device
    backend_->plug("d", 0x1E7D, 0x2DC2, testing::featureCollection(), false);  // not an event collection

    ASSERT_EQ(monitor_.openDevMonitor(kWindow, kEventMessage, kDeviceMessage), 1);
    EXPECT_THAT(recorder_.waitFor(2), ElementsAre(arrival(1), arrival(2)));
    EXPECT_EQ(monitor_.openDeviceCount(), 2u);

    // A second open while watching opens nothing new.
    const int opensBefore = backend_->opens;
    EXPECT_EQ(monitor_.openDevMonitor(kWindow, kEventMessage, kDeviceMessage), 1);
    EXPECT_EQ(backend_->opens, opensBefore);
    EXPECT_EQ(monitor_.openDeviceCount(), 2u);
}

TEST_F(DeviceMonitorTest, ForwardsOnlyTheMouseEventsOfReportThree)
{
    auto mouse = backend_->plug("a", 0x1E7D, 0x2DC2, testing::eventCollection(), false);
    ASSERT_EQ(monitor_.openDevMonitor(kWindow, kEventMessage, kDeviceMessage), 1);
    recorder_.waitFor(1);

    mouse->queueInput({3, 0, 0x90, 0x05, 0x00, 0, 0, 0});  // button 5 pressed
    mouse->queueInput({3, 1, 0x90, 0x05, 0x00, 0, 0, 0});  // byte 1 not 0: dropped
    mouse->queueInput({3, 0, 0x42, 0x01, 0x00, 0, 0, 0});  // not a forwarded code
    mouse->queueInput({1, 0, 0x90, 0x05, 0x00, 0, 0, 0});  // another report
    mouse->queueInput({3, 0, 0xE1, 0x34, 0x12, 0, 0, 0});  // statistics, value 0x1234
    EXPECT_THAT(recorder_.waitFor(3),
                ElementsAre(arrival(1), event(0x9000, 0x0005), event(0xE100, 0x1234)));
}

TEST_F(DeviceMonitorTest, RemovalPostsTheIdAndIdsStartAgainAtOne)
{
    backend_->plug("a", 0x1E7D, 0x2DC2, testing::eventCollection(), false);
    backend_->plug("b", 0x1E7D, 0x2DC2, testing::eventCollection(), false);
    ASSERT_EQ(monitor_.openDevMonitor(kWindow, kEventMessage, kDeviceMessage), 1);
    recorder_.waitFor(2);

    backend_->unplug("b");
    recorder_.waitFor(3);
    backend_->plug("c", 0x1E7D, 0x2DC2, testing::eventCollection());  // arrives while watching
    EXPECT_THAT(recorder_.waitFor(4), ElementsAre(arrival(1), arrival(2), removal(2), arrival(1)));
}

TEST_F(DeviceMonitorTest, ADeviceThatVanishesWithoutNoticeIsStillRemoved)
{
    auto mouse = backend_->plug("a", 0x1E7D, 0x2DC2, testing::eventCollection(), false);
    ASSERT_EQ(monitor_.openDevMonitor(kWindow, kEventMessage, kDeviceMessage), 1);
    recorder_.waitFor(1);
    mouse->unplug();  // the reader sees it gone; no hotplug event comes
    EXPECT_THAT(recorder_.waitFor(2), ElementsAre(arrival(1), removal(1)));
    EXPECT_EQ(monitor_.openDeviceCount(), 0u);
}

TEST_F(DeviceMonitorTest, FeatureReportsNeedAnOpenFeatureCollection)
{
    std::uint8_t buffer[6] = {9, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA};
    EXPECT_EQ(monitor_.setFeature(buffer, sizeof buffer), 0);
    EXPECT_EQ(monitor_.getFeature(buffer, sizeof buffer), 0);
    EXPECT_THAT(buffer, ElementsAre(9, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA));
    EXPECT_EQ(monitor_.mouseProductId(), 0);
    EXPECT_EQ(monitor_.openFeatureDevice(), 0);

    auto mouse = backend_->plug("f", 0xFFFF, 0x2DC2, testing::featureCollection(), false);
    ASSERT_EQ(monitor_.openFeatureDevice(), 1);
    EXPECT_EQ(monitor_.mouseProductId(), 0x2DC2);
    const std::uint8_t report[3] = {5, 3, 2};
    EXPECT_EQ(monitor_.setFeature(const_cast<std::uint8_t*>(report), 3), 1);
    EXPECT_EQ(monitor_.getFeature(buffer, sizeof buffer), 1);
    EXPECT_THAT(buffer, ElementsAre(9, 1, 2, 3, 4, 5));
    {
        std::lock_guard lock(mouse->mutex);
        EXPECT_THAT(mouse->featuresSet, ElementsAre(std::vector<std::uint8_t>{5, 3, 2}));
    }
    monitor_.closeFeatureDevice();
    EXPECT_EQ(monitor_.setFeature(buffer, sizeof buffer), 0);
}

TEST_F(DeviceMonitorTest, CloseWhileEventsStreamRemovesEverythingAndStops)
{
    auto mouse = backend_->plug("a", 0x1E7D, 0x2DC2, testing::eventCollection(), false);
    ASSERT_EQ(monitor_.openDevMonitor(kWindow, kEventMessage, kDeviceMessage), 1);
    recorder_.waitFor(1);
    std::atomic<bool> streaming{true};
    std::thread producer([&] {
        while (streaming) mouse->queueInput({3, 0, 0xB0, 0x02, 0x00, 0, 0, 0});
    });
    recorder_.waitFor(50);
    EXPECT_EQ(monitor_.closeDevMonitor(), 1);
    streaming = false;
    producer.join();

    const auto messages = recorder_.now();
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.back(), removal(1));  // nothing is posted after the removal
    EXPECT_EQ(monitor_.openDeviceCount(), 0u);
}

TEST_F(DeviceMonitorTest, NothingIsReadWhileSuspended)
{
    auto mouse = backend_->plug("a", 0x1E7D, 0x2DC2, testing::eventCollection(), false);
    monitor_.machineSuspending();
    ASSERT_EQ(monitor_.openDevMonitor(kWindow, kEventMessage, kDeviceMessage), 1);
    recorder_.waitFor(1);
    mouse->queueInput({3, 0, 0x20, 0x02, 0x00, 0, 0, 0});
    std::this_thread::sleep_for(100ms);  // ten read cycles in which nothing may be read
    EXPECT_THAT(recorder_.now(), ElementsAre(arrival(1)));

    // Arrivals are ignored while suspended.
    backend_->plug("b", 0x1E7D, 0x2DC2, testing::eventCollection());
    std::this_thread::sleep_for(100ms);
    EXPECT_EQ(monitor_.openDeviceCount(), 1u);

    monitor_.machineResumed();
    EXPECT_THAT(recorder_.waitFor(2), ElementsAre(arrival(1), event(0x2000, 2)));
}

}  // namespace
}  // namespace hidbridge
