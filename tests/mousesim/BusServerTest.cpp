// The simulated mouse's devices on the virtual bus, served in the test's own
// thread: the test plays the host on raw sockets and turns the server's loop.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <poll.h>
#include <sys/socket.h>

#include "hidbridge/ReportDescriptor.h"
#include "hidbridge/SimulatorBus.h"
#include "mousesim/BusPaths.h"
#include "mousesim/BusServer.h"
#include "mousesim/DeviceDescriptor.h"
#include "mousesim/SeqPacket.h"
#include "tests/mousesim/ProgramTestSupport.h"

namespace mousesim {
namespace {

using namespace hidbridge::simbus;
using Packet = std::vector<std::uint8_t>;

class RecordingFeatures : public FeatureCollection {
public:
    std::vector<Packet> sets;
    bool setFeature(std::span<const std::uint8_t> report) override
    {
        sets.emplace_back(report.begin(), report.end());
        return report[0] != 0xEE;
    }
    std::optional<Packet> getFeature(std::uint8_t reportId, std::size_t length) override
    {
        if (reportId == 0xEE) return std::nullopt;
        Packet answer(length);
        answer[0] = reportId;
        for (std::size_t i = 1; i < length; ++i) answer[i] = static_cast<std::uint8_t>(i);
        return answer;
    }
};

class BusServerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(folder.path().empty());
        ASSERT_TRUE(bus.plugIn());
    }

    // One turn of the server's loop, waiting up to `ms` for something to do.
    void turn(int ms = 100)
    {
        std::vector<pollfd> entries;
        bus.appendPollEntries(entries);
        if (poll(entries.data(), entries.size(), ms) > 0) bus.handlePollEntries(entries);
    }

    FileDescriptor connect(std::string_view device)
    {
        FileDescriptor fd = connectTo(bus.devicePath(device));
        turn();  // accepted
        return fd;
    }

    // The reply to `request`, or nothing when the connection was closed instead.
    std::optional<Packet> exchange(int fd, const Packet& request)
    {
        if (!sendPacketNow(fd, request)) return std::nullopt;
        return awaitPacket(fd);
    }

    std::optional<Packet> awaitPacket(int fd)
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
        Packet reply;
        while (std::chrono::steady_clock::now() < deadline) {
            turn(20);
            switch (receivePacketNow(fd, reply, kMaxPacket)) {
                case ReceiveResult::Packet: return reply;
                case ReceiveResult::NothingYet: continue;
                default: return std::nullopt;
            }
        }
        ADD_FAILURE() << "no reply and no close within the limit";
        return std::nullopt;
    }

    test::PrivateFolder folder{"zuro-bus-server"};
    RecordingFeatures features;
    BusServer bus{folder.path() + "/", {0xFFFF, kProductId, kDeviceVersion}, features};
};

TEST_F(BusServerTest, PlugInShowsExactlyTheTwoDevicesAndUnplugRemovesThem)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"zuro-mouse-event.hid", "zuro-mouse-feature.hid"}));

    FileDescriptor host = connect(kEventDeviceName);
    ASSERT_TRUE(host.valid());
    bus.unplug();
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
    Packet ignored;
    EXPECT_EQ(receivePacketWithin(host.get(), ignored, kMaxPacket, 1000), ReceiveResult::Closed);
    EXPECT_FALSE(connectTo(bus.devicePath(kEventDeviceName)).valid());
}

TEST_F(BusServerTest, EachDeviceDescribesItsOwnCollectionWithTheMouseIdentity)
{
    struct Case {
        std::string_view device;
        std::vector<std::uint8_t> descriptor;
        std::uint16_t usagePage;
    };
    for (const Case& c : {Case{kEventDeviceName, eventCollectionDescriptor(), 0x000A},
                          Case{kFeatureDeviceName, featureCollectionDescriptor(), 0x000B}}) {
        FileDescriptor host = connect(c.device);
        const auto reply = exchange(host.get(), {kInfo});
        ASSERT_TRUE(reply) << c.device;
        ASSERT_GE(reply->size(), 7u);
        EXPECT_EQ(Packet(reply->begin(), reply->begin() + 7), (Packet{kInfo, 0xFF, 0xFF, 0xC2, 0x2D, 0x00, 0x01}));
        EXPECT_EQ(Packet(reply->begin() + 7, reply->end()), c.descriptor);
        const auto caps = hidbridge::parseReportDescriptor(reply->data() + 7, reply->size() - 7);
        ASSERT_EQ(caps.size(), 1u) << c.device;
        EXPECT_EQ(caps[0].usagePage, c.usagePage);
    }
}

TEST_F(BusServerTest, FeatureReportsGoToTheFeatureDeviceOnly)
{
    FileDescriptor feature = connect(kFeatureDeviceName);
    EXPECT_EQ(exchange(feature.get(), {kSetFeature, 0x05, 0x03, 0x02}), (Packet{kSetFeature, 1}));
    EXPECT_EQ(exchange(feature.get(), {kSetFeature, 0xEE, 0x00}), (Packet{kSetFeature, 0}));
    EXPECT_EQ(exchange(feature.get(), {kGetFeature, 4, 0, 0x09}), (Packet{kGetFeature, 1, 0x09, 1, 2, 3}));
    EXPECT_EQ(exchange(feature.get(), {kGetFeature, 4, 0, 0xEE}), (Packet{kGetFeature, 0}));
    // 8190 is the longest report a reply packet can carry.
    const auto longest = exchange(feature.get(), {kGetFeature, 0xFE, 0x1F, 0x1A});
    ASSERT_TRUE(longest);
    EXPECT_EQ(longest->size(), kMaxPacket);

    FileDescriptor event = connect(kEventDeviceName);
    EXPECT_EQ(exchange(event.get(), {kSetFeature, 0x05, 0x03, 0x01}), (Packet{kSetFeature, 0}));
    EXPECT_EQ(exchange(event.get(), {kGetFeature, 3, 0, 0x05}), (Packet{kGetFeature, 0}));
    EXPECT_EQ(exchange(event.get(), {kWriteOutput, 0x00, 0x01}), (Packet{kWriteOutput, 0}));
    ASSERT_EQ(features.sets.size(), 2u);
    EXPECT_EQ(features.sets[0], (Packet{0x05, 0x03, 0x02}));
}

TEST_F(BusServerTest, AMalformedPacketClosesOnlyItsOwnConnection)
{
    const std::vector<std::pair<const char*, Packet>> malformed = {
        {"info with a payload", {kInfo, 0}},
        {"set without a report", {kSetFeature}},
        {"get without its length", {kGetFeature, 3, 0}},
        {"get of length 0", {kGetFeature, 0, 0, 5}},
        {"get longer than a reply can carry", {kGetFeature, 0xFF, 0x1F, 5}},
        {"output without a report", {kWriteOutput}},
        {"subscribe with a payload", {kSubscribeInput, 1}},
        {"an input report from the host", {kInputReport, 3, 0, 0x90, 0, 0}},
        {"unknown kind", {0x77}},
        {"longer than the bus allows", Packet(kMaxPacket + 1, kSetFeature)},
    };
    FileDescriptor bystander = connect(kFeatureDeviceName);
    for (const auto& [what, packet] : malformed) {
        FileDescriptor host = connect(kFeatureDeviceName);
        EXPECT_FALSE(exchange(host.get(), packet)) << what;
        EXPECT_EQ(exchange(bystander.get(), {kGetFeature, 3, 0, 0x05}), (Packet{kGetFeature, 1, 0x05, 1, 2})) << what;
    }
    EXPECT_TRUE(features.sets.empty());
}

TEST_F(BusServerTest, InputReportsReachTheSubscribersOfTheEventDeviceOnly)
{
    FileDescriptor reader = connect(kEventDeviceName);
    FileDescriptor featureReader = connect(kFeatureDeviceName);
    FileDescriptor requester = connect(kEventDeviceName);
    ASSERT_TRUE(sendPacketNow(reader.get(), Packet{kSubscribeInput}));
    ASSERT_TRUE(sendPacketNow(featureReader.get(), Packet{kSubscribeInput}));
    turn();
    EXPECT_EQ(bus.inputReaderCount(), 1u);

    const Packet report = {3, 0, 0x90, 0x34, 0x12};
    EXPECT_EQ(bus.sendInputReport(report), 1u);
    EXPECT_EQ(awaitPacket(reader.get()), (Packet{kInputReport, 3, 0, 0x90, 0x34, 0x12}));
    Packet nothing;
    EXPECT_EQ(receivePacketNow(featureReader.get(), nothing, kMaxPacket), ReceiveResult::NothingYet);
    EXPECT_EQ(receivePacketNow(requester.get(), nothing, kMaxPacket), ReceiveResult::NothingYet);

    // A reader's connection carries nothing from the host: a request closes it.
    ASSERT_TRUE(sendPacketNow(reader.get(), Packet{kInfo}));
    EXPECT_FALSE(awaitPacket(reader.get()));
    EXPECT_EQ(bus.inputReaderCount(), 0u);
}

TEST_F(BusServerTest, AReaderThatStopsReadingMissesReportsWithoutStallingTheMouse)
{
    FileDescriptor reader = connect(kEventDeviceName);
    ASSERT_TRUE(sendPacketNow(reader.get(), Packet{kSubscribeInput}));
    turn();
    const Packet report = {3, 0, 0x90, 1, 0};
    std::size_t delivered = 0;
    for (int i = 0; i < 100000 && bus.missedInputReports() == 0; ++i) delivered += bus.sendInputReport(report);
    EXPECT_GT(bus.missedInputReports(), 0u);
    EXPECT_GT(delivered, 0u);
    EXPECT_EQ(bus.inputReaderCount(), 1u);  // still connected: it only lost reports
}

TEST_F(BusServerTest, AClosedReaderIsDroppedFromTheReaders)
{
    FileDescriptor reader = connect(kEventDeviceName);
    ASSERT_TRUE(sendPacketNow(reader.get(), Packet{kSubscribeInput}));
    turn();
    ASSERT_EQ(bus.inputReaderCount(), 1u);
    reader.reset();
    turn();
    EXPECT_EQ(bus.inputReaderCount(), 0u);
    EXPECT_EQ(bus.connectionCount(), 0u);
}

}  // namespace
}  // namespace mousesim
