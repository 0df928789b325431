#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include "monitor/protocol/BridgeFeatureDevice.h"
#include "monitor/protocol/Checksum.h"
#include "monitor/protocol/DeviceOperations.h"
#include "monitor/protocol/SlotMap.h"
#include "platform/ini/PrivateProfile.h"
#include "tests/monitor/ProtocolConversation.h"
#include "tests/monitor/ProtocolFolder.h"

namespace monitor::protocol::test {
namespace {

using ::testing::ElementsAre;

TEST(SlotMapTest, EighteenSlotsMapToTheDeviceButtonsInOrderBothWays)
{
    const int slots[] = {0, 1, 2, 3, 4, 7, 8, 9, 10, 12, 13, 14, 15, 16, 19, 20, 21, 22};
    for (int button = 0; button < 18; ++button) {
        EXPECT_EQ(slotOfDeviceButton(button), slots[button]);
        EXPECT_EQ(deviceButtonOfSlot(slots[button]), button);
    }
    for (int hostOnly : {5, 6, 11, 17, 18, 23, -1, 24})
        EXPECT_FALSE(deviceButtonOfSlot(hostOnly).has_value()) << hostOnly;
    EXPECT_FALSE(slotOfDeviceButton(18).has_value());
    EXPECT_FALSE(slotOfDeviceButton(-1).has_value());
}

TEST(ChecksumTest, SixteenBitSumOfTheBytesBeforeItLowByteFirst)
{
    Bytes report(302, 0xff);
    // 300 x 0xff = 76500, modulo 65536 = 10964 = 0x2ad4
    storeChecksum(report);
    EXPECT_EQ(hex(std::span(report).last(2)), "d4 2a");
    EXPECT_TRUE(checksumMatches(report));
    report[0] = 0xfe;
    EXPECT_FALSE(checksumMatches(report));
    EXPECT_FALSE(checksumMatches(Bytes{7}));
}

class DeviceReportsTest : public ProtocolTest {
protected:
    ProtocolFolder install;
    int storedFirmwareVersion() const
    {
        return platform::ini::readInt(install.folder().configIni(), "Setting", "FWVersion", -1);
    }
};

TEST_F(DeviceReportsTest, FirmwareVersionIsByteTwoAndIsKeptInConfigIni)
{
    mouse.answer("09 06 6b 6b 00 00");
    EXPECT_EQ(readFirmwareVersion(link, install.folder()), std::optional<std::uint8_t>(107));
    EXPECT_THAT(conversation.lines(), ElementsAre("get 09 -> 09 06 6b 6b 00 00"));
    EXPECT_EQ(mouse.readLengths(), std::vector<std::size_t>{6});
    EXPECT_EQ(storedFirmwareVersion(), 107);

    mouse.failNextRead(9);
    EXPECT_FALSE(readFirmwareVersion(link, install.folder()).has_value());
    EXPECT_EQ(storedFirmwareVersion(), 0);
}

TEST_F(DeviceReportsTest, RestoreDefaultsAndHostPresence)
{
    EXPECT_TRUE(writeRestoreDefaults(link));
    EXPECT_TRUE(writeHostPresence(link, true));
    EXPECT_TRUE(writeHostPresence(link, false));
    EXPECT_THAT(conversation.lines(), ElementsAre("send 09 06 0b 00 00 00", "pause 100", kReady,  //
                                                  "send 0e 03 01", "pause 100", kReady,           //
                                                  "send 0e 03 00", "pause 100", kReady));
}

TEST_F(DeviceReportsTest, TrackingCarriesTheLevelAndTheCalibrationDecision)
{
    EXPECT_TRUE(writeTracking(link, 2, 254));
    EXPECT_TRUE(writeTracking(link, 3, 253));
    EXPECT_TRUE(writeTracking(link, 1, 255));
    EXPECT_TRUE(writeTracking(link, 0, 4));
    EXPECT_THAT(conversation.lines(), ElementsAre("send 0f 06 02 ff ff 01", "pause 100", kReady,  //
                                                  "send 0f 06 03 ff ff 00", "pause 100", kReady,  //
                                                  "send 0f 06 01 ff ff ff", "pause 100", kReady,  //
                                                  "send 0f 06 00 ff ff ff", "pause 100", kReady));
}

TEST_F(DeviceReportsTest, TrackingReadFillsLevelAndTrackingFlag)
{
    block->DisControl = 0;
    block->TrackControlFlag = 0;
    mouse.answer("0f 06 03 01 07 07");
    EXPECT_TRUE(readTracking(link, *block));
    EXPECT_EQ(block->DisControl, 3);
    EXPECT_EQ(block->TrackControlFlag, 1);

    mouse.failNextRead(15);
    EXPECT_FALSE(readTracking(link, *block));
    EXPECT_EQ(block->DisControl, 3);
}

TEST_F(DeviceReportsTest, ParleyStateFormsAAndB)
{
    EXPECT_TRUE(writeParleyState(link, 1, 0xff, 0xff));
    AmbientLightState ambient;
    for (std::size_t i = 0; i < AmbientLightState::kSize; ++i)
        ambient.bytes[i] = static_cast<std::uint8_t>(0xa0 + i);
    ambient.bytes[0] = 1;
    ambient.bytes[1] = ambient.bytes[2] = ambient.bytes[3] = 0;
    EXPECT_TRUE(writeAmbientLight(link, ambient));
    ambient.bytes[1] = 1;  // mode word 0x101
    EXPECT_TRUE(writeAmbientLight(link, ambient));

    const auto sent = mouse.writesOf(16);
    ASSERT_EQ(sent.size(), 3u);
    EXPECT_EQ(hex(sent[0]), "10 10 01 ff ff ff 00 00 00 00 00 00 00 00 00 00");
    EXPECT_EQ(hex(sent[1]), "10 10 ff ff ff 01 03 01 a4 a8 ac ad ae af b0 b1");
    EXPECT_EQ(hex(sent[2]), "10 10 ff ff ff 01 04 01 a4 a8 ac ad ae af b0 b1");
    EXPECT_EQ(conversation.lines().at(1), "pause 100");
}

TEST_F(DeviceReportsTest, AFailedWriteSkipsTheHandshake)
{
    mouse.refuseWrites(14);
    EXPECT_FALSE(writeHostPresence(link, true));
    EXPECT_THAT(conversation.lines(), ElementsAre("send 0e 03 01 refused"));
}

TEST_F(DeviceReportsTest, ProfileAndSlotNumbersAreCheckedBeforeAnythingIsSent)
{
    for (int profile : {-1, 5}) {
        EXPECT_FALSE(writeProfileSettings(link, *block, profile));
        EXPECT_FALSE(readProfileSettings(link, *block, profile));
        EXPECT_FALSE(writeButtonTable(link, *block, profile));
        EXPECT_FALSE(readButtonTable(link, *block, profile));
        EXPECT_FALSE(writeMacro(link, *block, profile, 0));
        EXPECT_FALSE(readMacro(link, *block, profile, 0));
    }
    EXPECT_FALSE(writeMacro(link, *block, 0, 24));
    EXPECT_TRUE(conversation.lines().empty());
}

}  // namespace
}  // namespace monitor::protocol::test

namespace monitor::protocol::test {
namespace {

Bytes bridgeReceived;

int bridgeSet(unsigned char* buffer, int length)
{
    bridgeReceived.assign(buffer, buffer + length);
    buffer[0] = 0xee;  // the export may scribble on its buffer
    return length == 3 ? 1 : 0;
}

int bridgeGet(unsigned char* buffer, int length)
{
    buffer[length - 1] = 0x42;
    return 1;
}

TEST(BridgeFeatureDeviceTest, PassesReportsToTheBoundExports)
{
    BridgeFeatureDevice bridge(bridgeSet, bridgeGet);
    const Bytes report = bytesOf("0e 03 01");
    EXPECT_TRUE(bridge.setFeature(report));
    EXPECT_EQ(hex(bridgeReceived), "0e 03 01");
    EXPECT_EQ(hex(report), "0e 03 01") << "the caller's report stays as it was";
    EXPECT_FALSE(bridge.setFeature(bytesOf("0e 03 01 00")));

    Bytes buffer = bytesOf("0f 00 00 00 00 00");
    EXPECT_TRUE(bridge.getFeature(buffer));
    EXPECT_EQ(hex(buffer), "0f 00 00 00 00 42");
}

TEST(BridgeFeatureDeviceTest, WithoutBoundExportsEveryReportFails)
{
    BridgeFeatureDevice unbound(nullptr, nullptr);
    Bytes buffer = bytesOf("04 00 00");
    EXPECT_FALSE(unbound.setFeature(buffer));
    EXPECT_FALSE(unbound.getFeature(buffer));
    EXPECT_EQ(hex(buffer), "04 00 00");
}

}  // namespace
}  // namespace monitor::protocol::test
