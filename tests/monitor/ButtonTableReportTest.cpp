#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include <cstring>

#include "monitor/protocol/ButtonTableReport.h"
#include "monitor/protocol/DeviceOperations.h"
#include "settings/FixedText.h"
#include "settings/RecordBytes.h"
#include "tests/monitor/ProtocolConversation.h"

namespace monitor::protocol::test {
namespace {

using ::testing::ElementsAre;

class ButtonTableReportTest : public ProtocolTest {
protected:
    settings::ProfileRecord& profile() { return block->Profiles[1]; }

    void clearCodes()
    {
        for (settings::ButtonAssignment& slot : profile().MacroKeyInfo)
            slot.FunctionCode = 0;
    }

    // A table answered by the mouse with `entries` (device button, code,
    // modifier, key) and a valid checksum.
    Bytes tableAnswer(std::initializer_list<std::array<std::uint8_t, 4>> entries)
    {
        Bytes table(59, 0);
        table[0] = 7;
        table[1] = 0x3b;
        table[2] = 1;
        for (const auto& e : entries) {
            table[3 + 3 * e[0]] = e[1];
            table[4 + 3 * e[0]] = e[2];
            table[5 + 3 * e[0]] = e[3];
        }
        unsigned sum = 0;
        for (std::size_t i = 0; i < 57; ++i)
            sum += table[i];
        table[57] = static_cast<std::uint8_t>(sum & 0xff);
        table[58] = static_cast<std::uint8_t>((sum >> 8) & 0xff);
        return table;
    }
};

TEST_F(ButtonTableReportTest, WritesTheCodeOfEachDeviceButtonWithItsKeyCombination)
{
    clearCodes();
    profile().MacroKeyInfo[0].FunctionCode = 1;
    profile().MacroKeyInfo[4].FunctionCode = 0x30;  // slot 4 is button 4
    profile().MacroKeyInfo[7].FunctionCode = 0x41;  // slot 7 is button 5
    settings::ButtonAssignment& combination = profile().MacroKeyInfo[22];  // button 17
    combination.FunctionCode = 5;
    combination.MacroEvents[0].Key = 0x1e;
    combination.MacroEvents[0].Action = 0x01;
    profile().MacroKeyInfo[1].MacroEvents[0] = {0x22, 0x02, 0};  // no key combination: not carried

    EXPECT_TRUE(writeButtonTable(link, *block, 1));
    // sum = 07 + 3b + 01 + 01 + 30 + 41 + 05 + 01 + 1e = 0xd9
    EXPECT_EQ(hex(mouse.writes().at(0)),
              "07 3b 01 01 00 00 00 00 00 00 00 00 00 00 00 30 00 00 41 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
              "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 05 01 1e d9 00");
    EXPECT_THAT(conversation.lines(), ElementsAre("send 07 3b 01 01 00 ..(59)", "pause 500", kReady));
}

TEST_F(ButtonTableReportTest, HostOnlySlotsAreNeverInTheTable)
{
    clearCodes();
    for (int slot : {5, 6, 11, 17, 18, 23})
        profile().MacroKeyInfo[slot].FunctionCode = 0x30;
    EXPECT_TRUE(writeButtonTable(link, *block, 1));
    const Bytes table = mouse.writes().at(0);
    for (std::size_t i = 3; i < 57; ++i)
        EXPECT_EQ(table[i], 0) << "byte " << i;
}

TEST_F(ButtonTableReportTest, ReadStoresTheCodesOfTheMappedSlots)
{
    const settings::ButtonAssignment slot5 = profile().MacroKeyInfo[5];
    mouse.answer(tableAnswer({{0, 0x02, 0, 0}, {5, 0x30, 0, 0}, {17, 0x41, 0, 0}}));
    ASSERT_TRUE(readButtonTable(link, *block, 1));
    EXPECT_THAT(conversation.lines(),
                ElementsAre("send 04 01 90", "pause 100", kReady, "get 07 -> 07 3b 01 02 00 ..(59)"));
    EXPECT_EQ(profile().MacroKeyInfo[0].FunctionCode, 0x02);
    EXPECT_EQ(profile().MacroKeyInfo[7].FunctionCode, 0x30);
    EXPECT_EQ(profile().MacroKeyInfo[22].FunctionCode, 0x41);
    EXPECT_EQ(profile().MacroKeyInfo[1].FunctionCode, 0) << "every device button is stored";
    EXPECT_TRUE(settings::sameBytes(slot5, profile().MacroKeyInfo[5]));
}

TEST_F(ButtonTableReportTest, ReadOfAKeyCombinationMakesAOneEventRecordWithEmptyNames)
{
    settings::ButtonAssignment& slot = profile().MacroKeyInfo[9];  // button 7
    settings::setFieldText(slot.DeviceName, "Keyboard");
    settings::setFieldText(slot.MacroSetName, "Set");
    settings::setFieldText(slot.MacroName, "Old macro");
    slot.MacroEventCount = 7;
    slot.MacroEvents[1] = {0x10, 1, 50};
    slot.MacroLoopCount = 4;

    mouse.answer(tableAnswer({{7, 5, 0x03, 0x2c}}));
    ASSERT_TRUE(readButtonTable(link, *block, 1));
    EXPECT_EQ(slot.FunctionCode, 5);
    EXPECT_EQ(slot.MacroEvents[0].Key, 0x2c) << "record byte 166";
    EXPECT_EQ(slot.MacroEvents[0].Action, 0x03) << "record byte 167, the modifiers";
    EXPECT_EQ(slot.MacroEventCount, 1);
    EXPECT_EQ(settings::fieldText(slot.DeviceName), "");
    EXPECT_EQ(settings::fieldText(slot.MacroSetName), "");
    EXPECT_EQ(settings::fieldText(slot.MacroName), "");
    EXPECT_EQ(slot.MacroLoopCount, 4) << "other fields stay";
    EXPECT_EQ(slot.MacroEvents[1].Key, 0x10);
}

TEST_F(ButtonTableReportTest, ARejectedChecksumStoresNothing)
{
    const settings::ProfileRecord before = profile();
    Bytes answer = tableAnswer({{0, 0x30, 0, 0}, {3, 5, 1, 4}});
    answer[58] ^= 0x01;
    mouse.answer(answer);
    EXPECT_FALSE(readButtonTable(link, *block, 1));
    EXPECT_TRUE(settings::sameBytes(before, profile()));
}

}  // namespace
}  // namespace monitor::protocol::test
