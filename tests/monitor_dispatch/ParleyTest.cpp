// The Parley software's commands, the inter-device key and the ambient light.

#include "DispatchFakes.h"

namespace monitor::dispatch::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class ParleyTest : public DispatcherTest {
protected:
    platform::LResult status(platform::WParam command, platform::LParam value)
    {
        return dispatcher.onParleyCommand(ParleySource::StatusMessage, command, value);
    }
    platform::LResult registered(platform::WParam command, platform::LParam value)
    {
        return dispatcher.onParleyCommand(ParleySource::RegisteredMessage, command, value);
    }
    void assign(int slot, std::uint8_t functionCode, std::uint32_t deviceId)
    {
        profile(0).MacroKeyInfo[slot].FunctionCode = functionCode;
        profile(0).MacroKeyInfo[slot].DeviceId = deviceId;
    }
    messages::ParleyKeyPayload sentKey(std::size_t index)
    {
        messages::ParleyKeyPayload payload{};
        EXPECT_EQ(monitor.sent.at(index).bytes.size(), sizeof payload);
        std::memcpy(&payload, monitor.sent.at(index).bytes.data(), sizeof payload);
        return payload;
    }
};

TEST_F(ParleyTest, OnOffCommandsRelayOneForZeroZeroForOneAndLeaveOthersUnchanged)
{
    EXPECT_EQ(status(140, 0), 0);
    EXPECT_EQ(registered(245, 1), 0);
    EXPECT_EQ(status(245, 7), 0);
    EXPECT_THAT(journal, ElementsAre("report 16 1 255 255", "report 16 0 255 255", "report 16 255 255 255"));
}

TEST_F(ParleyTest, LockCommandsToggleTheLockOnlyForValueZero)
{
    registered(141, 0);
    EXPECT_EQ(monitor.lock, 1);
    status(246, 0);
    EXPECT_EQ(monitor.lock, 0);
    status(246, 1);
    EXPECT_EQ(monitor.lock, 0);
    EXPECT_THAT(journal, ElementsAre("report 16 255 1 255", "report 16 255 0 255"));
}

TEST_F(ParleyTest, ProfileCommandsComeOnlyByTheStatusMessage)
{
    status(247, 0);
    status(251, 0);
    status(249, 1);
    status(250, 3);
    registered(248, 0);
    status(252, 0);
    status(139, 0);
    EXPECT_THAT(journal, ElementsAre("report 16 255 255 1", "report 16 255 255 5", "report 16 255 255 0",
                                     "report 16 255 255 255"));
}

TEST_F(ParleyTest, TheInterDeviceKeySendsCommandTargetAndReleaseFlag)
{
    monitor.parley = 0x777;
    assign(4, settings::kFunctionParleyDevice, 0x0001'2345);  // only the low 16 bits name the device
    assign(7, settings::kFunctionParleyAllLock, 0x2345);
    assign(9, settings::kFunctionMacro, 0x55);
    send(0xFF00, value(5, 0));  // slot 4, no slot map
    send(0xFF00, value(8, 1));
    send(0xFF00, value(10, 0));
    ASSERT_EQ(monitor.sent.size(), 3u);
    EXPECT_EQ(monitor.sent[0].target, 0x777u);
    EXPECT_EQ(monitor.sent[0].dwData, 0x0797'00F5u);
    // The payload is packed: fields at odd offsets are copied out before gtest binds them.
    const messages::ParleyKeyPayload key = sentKey(0);
    EXPECT_EQ(unsigned(key.VendorId), 0x1E7D);
    EXPECT_EQ(unsigned(key.ProductId), 0x2DC2);
    EXPECT_EQ(key.Command, 245);
    EXPECT_EQ(unsigned(key.TargetVendorId), 0x1E7D);
    EXPECT_EQ(unsigned(key.TargetId), 0x2345);
    EXPECT_EQ(key.Released, 0);
    EXPECT_EQ(monitor.sent[1].dwData, 0x0797'008Du);
    EXPECT_EQ(unsigned(sentKey(1).TargetId), 0xFFFF);
    EXPECT_EQ(sentKey(1).Released, 1);
    EXPECT_EQ(monitor.sent[2].dwData, 0x0797'0000u);
    EXPECT_EQ(unsigned(sentKey(2).TargetId), 0x55);
}

TEST_F(ParleyTest, InterDeviceCodesChooseTheirCommands)
{
    assign(0, settings::kFunctionParleyDeviceLock, 9);
    assign(1, settings::kFunctionParleyAll, 9);
    EXPECT_EQ(interDeviceKeyOfSlot(*monitor.blockData, 0)->command, 246);
    EXPECT_EQ(interDeviceKeyOfSlot(*monitor.blockData, 0)->target, 9);
    EXPECT_EQ(interDeviceKeyOfSlot(*monitor.blockData, 1)->command, 140);
    EXPECT_EQ(interDeviceKeyOfSlot(*monitor.blockData, 1)->target, 0xFFFF);
    EXPECT_FALSE(interDeviceKeyOfSlot(*monitor.blockData, 24));
}

TEST_F(ParleyTest, NothingGoesToParleyWhileNoWindowIsKnown)
{
    assign(4, settings::kFunctionParleyDevice, 1);
    send(0xFF00, value(5, 0));
    send(0x2000, 2);
    EXPECT_THAT(monitor.sent, IsEmpty());
}

TEST_F(ParleyTest, ReleasingTheLockTellsParleyOnlyWhenItHasTakenOver)
{
    monitor.lock = 1;
    releaseInterDeviceLock(monitor);
    EXPECT_EQ(monitor.lock, 0);
    EXPECT_THAT(journal, IsEmpty());
    monitor.takenOver = true;
    releaseInterDeviceLock(monitor);
    EXPECT_THAT(journal, ElementsAre("post 49409 0 0 to VANTRO Parley Monitor"));
}

TEST_F(ParleyTest, TheAmbientLightEventSendsFormB)
{
    dispatcher.onAmbientLight();
    EXPECT_THAT(journal, ElementsAre("report 16 ambient"));
}

}  // namespace
}  // namespace monitor::dispatch::test
