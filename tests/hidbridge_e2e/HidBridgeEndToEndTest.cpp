// hidbridge.so against a running `mousesim serve`: the library loaded and bound
// by name, a message window of this process receiving what it posts, and the
// simulator's log showing every report byte for byte.

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "mousesim/ControlClient.h"
#include "mousesim/ServeProcess.h"
#include "tests/hidbridge_e2e/BridgeSession.h"
#include "tests/mousesim/ProgramTestSupport.h"

namespace hidbridge::e2e {
namespace {

using Bytes = std::vector<unsigned char>;
using Pair = std::pair<platform::WParam, platform::LParam>;

constexpr int kMouseProductId = 0x2DC2;

class HidBridgeEndToEnd : public ::testing::Test {
protected:
    void SetUp() override
    {
        const BridgeProcess& process = BridgeProcess::instance();
        ASSERT_EQ(process.failure(), "");
        bridge = &process.bridge();
        ASSERT_FALSE(files.path().empty());
        window = platform::MessageWindow::create("hidbridge end-to-end test", recorder);
        ASSERT_TRUE(window);
    }

    void TearDown() override
    {
        if (bridge) {
            bridge->closeDevMonitor(0);
            bridge->closeFeatureDevice();
        }
        control.reset();
        serve.reset();
        window.reset();
    }

    void startSimulator(std::vector<std::string> extraArguments = {})
    {
        const BridgeProcess& process = BridgeProcess::instance();
        mousesim::ServeSettings settings{MOUSESIM_PROGRAM, process.runtimeDir(), files.file("state.txt"),
                                         files.file("report.log"), std::move(extraArguments)};
        std::string error;
        serve = mousesim::ServeProcess::start(settings, error);
        ASSERT_TRUE(serve) << error;
        control = mousesim::ControlClient::connect(process.busFolder() + "control.sock");
        ASSERT_TRUE(control);
    }

    // Carries out a simulator command that must succeed; its answer.
    std::string simulator(const std::string& line)
    {
        const auto reply = control->send(line);
        EXPECT_TRUE(reply) << line;
        if (!reply) return {};
        EXPECT_EQ(reply->outcome, mousesim::control::Outcome::Ok) << line << ": " << reply->text;
        return reply->text;
    }

    int openMonitor() { return bridge->openDevMonitor(window->handle(), kEventMessage, kDeviceMessage); }

    bool awaitCount(platform::MessageId message, std::size_t count)
    {
        return MessageRecorder::runUntil([&] { return recorder.count(message) >= count; });
    }

    // When it returns, everything posted to the window before the call was handled.
    void settle()
    {
        const std::size_t markers = recorder.count(kMarkerMessage);
        ASSERT_TRUE(platform::postMessage(window->handle(), kMarkerMessage, 0, 0));
        ASSERT_TRUE(awaitCount(kMarkerMessage, markers + 1));
    }

    // The bridge's reader subscribes to input shortly after the arrival message.
    void awaitReader() { simulator("wait-input-readers 1"); }

    std::vector<Pair> pairs(platform::MessageId message) const
    {
        std::vector<Pair> result;
        for (const ReceivedMessage& m : recorder.only(message)) result.emplace_back(m.wParam, m.lParam);
        return result;
    }

    std::vector<std::string> logged(const char* direction) const
    {
        return mousesim::test::logEntries(files.file("report.log"), direction);
    }

    const BridgeExports* bridge = nullptr;
    mousesim::test::PrivateFolder files{"zuro-hidbridge-e2e-files"};
    MessageRecorder recorder;
    std::unique_ptr<platform::MessageWindow> window;
    std::unique_ptr<mousesim::ServeProcess> serve;
    std::optional<mousesim::ControlClient> control;
};

TEST_F(HidBridgeEndToEnd, EnumerationOpensTheEventCollectionAndFindsTheFeatureCollection)
{
    startSimulator();
    ASSERT_EQ(openMonitor(), 1);
    ASSERT_TRUE(awaitCount(kDeviceMessage, 1));
    settle();
    // The feature collection's device is no event collection: one arrival only.
    EXPECT_EQ(pairs(kDeviceMessage), (std::vector<Pair>{{1, 1}}));

    EXPECT_EQ(bridge->getMousePid(), 0);
    EXPECT_EQ(bridge->openFeatureDevice(), 1);
    EXPECT_EQ(bridge->getMousePid(), kMouseProductId);
}

TEST_F(HidBridgeEndToEnd, FeatureReportsMakeTheRoundTripByteForByte)
{
    startSimulator();
    ASSERT_EQ(bridge->openFeatureDevice(), 1);

    Bytes activeProfile = {0x05, 0x03, 0x02};
    EXPECT_NE(bridge->setFeature(activeProfile.data(), 3), 0);
    Bytes answer = {0x05, 0xAA, 0xAA};
    EXPECT_NE(bridge->getFeature(answer.data(), 3), 0);
    EXPECT_EQ(answer, (Bytes{0x05, 0x03, 0x02}));
    // A longer read is filled up with zeros to the asked length.
    Bytes longer(8, 0xAA);
    longer[0] = 0x05;
    EXPECT_NE(bridge->getFeature(longer.data(), 8), 0);
    EXPECT_EQ(longer, (Bytes{0x05, 0x03, 0x02, 0, 0, 0, 0, 0}));
    // The mouse refuses profile 7; the refusal comes back through the library.
    Bytes refused = {0x05, 0x03, 0x07};
    EXPECT_EQ(bridge->setFeature(refused.data(), 3), 0);

    EXPECT_EQ(logged("SET"), (std::vector<std::string>{"05 03 02", "05 03 07"}));
    EXPECT_EQ(logged("GET"), (std::vector<std::string>{"05 03 02", "05 03 02 00 00 00 00 00"}));
}

TEST_F(HidBridgeEndToEnd, AFailedFeatureReadLeavesTheBufferAsItWas)
{
    startSimulator();
    ASSERT_EQ(bridge->openFeatureDevice(), 1);
    simulator("fault fail-get 1");
    Bytes buffer = {0x05, 0xAA, 0xBB};
    EXPECT_EQ(bridge->getFeature(buffer.data(), 3), 0);
    EXPECT_EQ(buffer, (Bytes{0x05, 0xAA, 0xBB}));
    EXPECT_EQ(logged("GET"), (std::vector<std::string>{"05"}));
}

TEST_F(HidBridgeEndToEnd, EventReportsArriveAsCodeTimes256AndValue)
{
    startSimulator();
    ASSERT_EQ(openMonitor(), 1);
    ASSERT_TRUE(awaitCount(kDeviceMessage, 1));
    awaitReader();

    simulator("event 0x90 0x1234");
    simulator("event 0xE1 1");
    simulator("event 0x55 7");  // not a forwarded code
    simulator("event 0xFF 0xFFFF");
    simulator("event 0x10 0");
    ASSERT_TRUE(awaitCount(kEventMessage, 4));
    settle();
    EXPECT_EQ(pairs(kEventMessage),
              (std::vector<Pair>{{0x9000, 0x1234}, {0xE100, 1}, {0xFF00, 0xFFFF}, {0x1000, 0}}));
    EXPECT_EQ(logged("IN"), (std::vector<std::string>{"03 00 90 34 12", "03 00 E1 01 00", "03 00 55 07 00",
                                                      "03 00 FF FF FF", "03 00 10 00 00"}));
}

TEST_F(HidBridgeEndToEnd, AButtonPressReachesTheWindowAsTheMouseSentIt)
{
    startSimulator();
    ASSERT_EQ(openMonitor(), 1);
    ASSERT_TRUE(awaitCount(kDeviceMessage, 1));
    awaitReader();
    simulator("press 0");
    simulator("release 0");
    // Whatever the button sent, each logged report is one message with its code and value.
    const std::vector<std::string> sent = logged("IN");
    ASSERT_FALSE(sent.empty());
    ASSERT_TRUE(awaitCount(kEventMessage, sent.size()));
    settle();
    std::vector<Pair> expected;
    for (const std::string& line : sent) {
        const Bytes bytes = [&] {
            Bytes b;
            for (std::size_t i = 0; i + 1 < line.size(); i += 3) b.push_back(std::stoul(line.substr(i, 2), nullptr, 16));
            return b;
        }();
        ASSERT_EQ(bytes.size(), 5u);
        expected.emplace_back(bytes[2] << 8, bytes[3] | (bytes[4] << 8));
    }
    EXPECT_EQ(pairs(kEventMessage), expected);
}

TEST_F(HidBridgeEndToEnd, HidReadCopiesTheNewestInputReportOfThatDevice)
{
    startSimulator();
    ASSERT_EQ(openMonitor(), 1);
    ASSERT_TRUE(awaitCount(kDeviceMessage, 1));
    awaitReader();
    Bytes buffer(5, 0xAA);
    bridge->hidRead(1, buffer.data());
    EXPECT_EQ(buffer, Bytes(5, 0xAA));  // nothing came yet

    simulator("event 0xC0 0x0A0B");
    ASSERT_TRUE(awaitCount(kEventMessage, 1));
    bridge->hidRead(1, buffer.data());
    EXPECT_EQ(buffer, (Bytes{0x03, 0x00, 0xC0, 0x0B, 0x0A}));
    Bytes other(5, 0xAA);
    bridge->hidRead(2, other.data());  // no such device
    EXPECT_EQ(other, Bytes(5, 0xAA));
}

TEST_F(HidBridgeEndToEnd, ReportsWithByteOneNotZeroOrAnotherReportIdAreDropped)
{
    startSimulator();
    ASSERT_EQ(openMonitor(), 1);
    ASSERT_TRUE(awaitCount(kDeviceMessage, 1));
    awaitReader();
    simulator("input 03 01 90 34 12");
    simulator("input 03 FF 20 01 00");
    simulator("input 04 00 90 01 00");
    simulator("event 0x20 3");
    ASSERT_TRUE(awaitCount(kEventMessage, 1));
    settle();
    // Reports reach the window in the order sent: the three before it were dropped.
    EXPECT_EQ(pairs(kEventMessage), (std::vector<Pair>{{0x2000, 3}}));
    EXPECT_EQ(logged("IN"), (std::vector<std::string>{"03 01 90 34 12", "03 FF 20 01 00", "04 00 90 01 00",
                                                      "03 00 20 03 00"}));
}

TEST_F(HidBridgeEndToEnd, VendorFFFFIsAcceptedForBothCollections)
{
    startSimulator({"--vendor", "0xFFFF"});
    ASSERT_EQ(openMonitor(), 1);
    ASSERT_TRUE(awaitCount(kDeviceMessage, 1));
    EXPECT_EQ(pairs(kDeviceMessage), (std::vector<Pair>{{1, 1}}));
    EXPECT_EQ(bridge->openFeatureDevice(), 1);
    EXPECT_EQ(bridge->getMousePid(), kMouseProductId);
    awaitReader();
    simulator("event 0xB0 2");
    ASSERT_TRUE(awaitCount(kEventMessage, 1));
    EXPECT_EQ(pairs(kEventMessage), (std::vector<Pair>{{0xB000, 2}}));
}

TEST_F(HidBridgeEndToEnd, AnotherVendorIsNotTheMouse)
{
    startSimulator({"--vendor", "0x1234"});
    ASSERT_EQ(openMonitor(), 1);
    EXPECT_EQ(bridge->openFeatureDevice(), 0);
    settle();
    EXPECT_EQ(recorder.count(kDeviceMessage), 0u);
}

TEST_F(HidBridgeEndToEnd, UnplugAndPlugPostRemovalAndArrivalWithIdsStartingAgainAt1)
{
    startSimulator();
    ASSERT_EQ(openMonitor(), 1);
    ASSERT_TRUE(awaitCount(kDeviceMessage, 1));
    simulator("unplug");
    ASSERT_TRUE(awaitCount(kDeviceMessage, 2));
    simulator("plug");
    ASSERT_TRUE(awaitCount(kDeviceMessage, 3));
    settle();
    // Without the restart the second arrival would carry id 2.
    EXPECT_EQ(pairs(kDeviceMessage), (std::vector<Pair>{{1, 1}, {0, 1}, {1, 1}}));

    // The device that came back works: its events arrive and its features answer.
    awaitReader();
    simulator("event 0xA0 1");
    ASSERT_TRUE(awaitCount(kEventMessage, 1));
    EXPECT_EQ(pairs(kEventMessage), (std::vector<Pair>{{0xA000, 1}}));
    ASSERT_EQ(bridge->openFeatureDevice(), 1);
    Bytes status = {0x04, 0, 0};
    EXPECT_NE(bridge->getFeature(status.data(), 3), 0);
}

TEST_F(HidBridgeEndToEnd, PlugAndUnplugWhileNotMonitoringAreNotReplayedLater)
{
    startSimulator();
    ASSERT_EQ(openMonitor(), 1);
    ASSERT_TRUE(awaitCount(kDeviceMessage, 1));
    ASSERT_EQ(bridge->closeDevMonitor(0), 1);
    ASSERT_TRUE(awaitCount(kDeviceMessage, 2));
    for (int cycle = 0; cycle < 2; ++cycle) {
        simulator("unplug");
        simulator("plug");
    }
    ASSERT_EQ(openMonitor(), 1);
    ASSERT_TRUE(awaitCount(kDeviceMessage, 3));
    // A replay of the cycles would remove and reopen the device within
    // milliseconds; nothing may come.
    EXPECT_FALSE(MessageRecorder::runUntil([&] { return recorder.count(kDeviceMessage) > 3; }, 500));
    EXPECT_EQ(pairs(kDeviceMessage), (std::vector<Pair>{{1, 1}, {0, 1}, {1, 1}}));
}

TEST_F(HidBridgeEndToEnd, QuickUnplugAndPlugCyclesEndWithTheDeviceOpen)
{
    startSimulator();
    ASSERT_EQ(openMonitor(), 1);
    ASSERT_TRUE(awaitCount(kDeviceMessage, 1));
    constexpr std::size_t kCycles = 20;
    for (std::size_t cycle = 0; cycle < kCycles; ++cycle) {
        simulator("unplug");
        simulator("plug");
    }
    // Arrivals and removals may merge when they come faster than the bridge
    // looks; what must hold is that they alternate and end with an arrival.
    const auto settled = [&] {
        const auto device = pairs(kDeviceMessage);
        return !device.empty() && device.back().first == 1 && recorder.count(kDeviceMessage) % 2 == 1;
    };
    ASSERT_TRUE(MessageRecorder::runUntil(settled));
    awaitReader();
    EXPECT_FALSE(MessageRecorder::runUntil([&] { return !settled(); }, 500));
    const auto device = pairs(kDeviceMessage);
    for (std::size_t i = 0; i < device.size(); ++i)
        EXPECT_EQ(device[i], (Pair{i % 2 == 0 ? 1 : 0, 1})) << "message " << i;
    simulator("event 0x30 9");
    ASSERT_TRUE(awaitCount(kEventMessage, 1));
    EXPECT_EQ(pairs(kEventMessage), (std::vector<Pair>{{0x3000, 9}}));
}

TEST_F(HidBridgeEndToEnd, TheMouseDroppingOffMidConversationIsARemoval)
{
    startSimulator();
    ASSERT_EQ(openMonitor(), 1);
    ASSERT_TRUE(awaitCount(kDeviceMessage, 1));
    ASSERT_EQ(bridge->openFeatureDevice(), 1);
    simulator("fault unplug-after 1");
    Bytes presence = {0x0E, 0x03, 0x01};
    EXPECT_NE(bridge->setFeature(presence.data(), 3), 0);  // the last report still went through
    ASSERT_TRUE(awaitCount(kDeviceMessage, 2));
    EXPECT_EQ(pairs(kDeviceMessage), (std::vector<Pair>{{1, 1}, {0, 1}}));
    Bytes status = {0x04, 0, 0};
    EXPECT_EQ(bridge->getFeature(status.data(), 3), 0);
    EXPECT_EQ(status, (Bytes{0x04, 0, 0}));
}

TEST_F(HidBridgeEndToEnd, ASecondOpenDevMonitorOpensNothingNew)
{
    startSimulator();
    ASSERT_EQ(openMonitor(), 1);
    ASSERT_TRUE(awaitCount(kDeviceMessage, 1));
    awaitReader();
    EXPECT_EQ(openMonitor(), 1);
    settle();
    EXPECT_EQ(pairs(kDeviceMessage), (std::vector<Pair>{{1, 1}}));
    // Still one reader: a reopened device would have subscribed a second time.
    simulator("event 0x30 1");
    ASSERT_TRUE(awaitCount(kEventMessage, 1));
    settle();
    EXPECT_EQ(recorder.count(kEventMessage), 1u);
    EXPECT_EQ(mousesim::control::answerValue(simulator("status"), "input-readers"), "1");
}

TEST_F(HidBridgeEndToEnd, SetFeatureWithoutAFeatureHandleReturns0AndLeavesTheBufferAlone)
{
    startSimulator();
    const Bytes original = {0x05, 0x03, 0x02};
    Bytes buffer = original;
    EXPECT_EQ(bridge->setFeature(buffer.data(), 3), 0);
    EXPECT_EQ(bridge->getFeature(buffer.data(), 3), 0);
    EXPECT_EQ(buffer, original);

    ASSERT_EQ(bridge->openFeatureDevice(), 1);
    ASSERT_EQ(bridge->closeFeatureDevice(), 1);
    EXPECT_EQ(bridge->setFeature(buffer.data(), 3), 0);
    EXPECT_EQ(buffer, original);
    // Nothing reached the mouse.
    EXPECT_TRUE(logged("SET").empty());
    EXPECT_TRUE(logged("GET").empty());
}

TEST_F(HidBridgeEndToEnd, CloseDevMonitorWhileEventsStreamIn)
{
    startSimulator();
    ASSERT_EQ(openMonitor(), 1);
    ASSERT_TRUE(awaitCount(kDeviceMessage, 1));
    awaitReader();

    // Another connection streams numbered events, and goes on for 50 more after the close.
    std::atomic<int> lastToSend{0xFFFF};
    std::atomic<int> sent{0};
    std::thread streamer([&] {
        auto stream = mousesim::ControlClient::connect(BridgeProcess::instance().busFolder() + "control.sock");
        for (int value = 1; stream && value <= lastToSend.load(); ++value) {
            const auto reply = stream->send("event 0x90 " + std::to_string(value));
            if (!reply || reply->outcome != mousesim::control::Outcome::Ok) break;
            sent = value;
        }
    });
    const bool streaming = awaitCount(kEventMessage, 50);
    EXPECT_EQ(bridge->closeDevMonitor(0), 1);
    lastToSend = sent.load() + 50;
    streamer.join();
    ASSERT_TRUE(streaming);
    settle();

    // One removal, and every event message before it, in the order sent.
    const std::vector<ReceivedMessage>& all = recorder.messages;
    std::size_t removalAt = all.size();
    for (std::size_t i = 0; i < all.size(); ++i)
        if (all[i].message == kDeviceMessage && all[i].wParam == 0) removalAt = i;
    ASSERT_LT(removalAt, all.size());
    EXPECT_EQ(pairs(kDeviceMessage), (std::vector<Pair>{{1, 1}, {0, 1}}));
    platform::LParam previous = 0;
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (all[i].message != kEventMessage) continue;
        EXPECT_LT(i, removalAt) << "an event after the removal";
        EXPECT_GT(all[i].lParam, previous);
        previous = all[i].lParam;
    }

    // Monitoring opens again and the device gets id 1.
    ASSERT_EQ(openMonitor(), 1);
    ASSERT_TRUE(awaitCount(kDeviceMessage, 3));
    EXPECT_EQ(pairs(kDeviceMessage).back(), (Pair{1, 1}));
}

}  // namespace
}  // namespace hidbridge::e2e
