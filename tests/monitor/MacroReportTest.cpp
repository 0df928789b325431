#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include "monitor/protocol/DeviceOperations.h"
#include "monitor/protocol/MacroReport.h"
#include "settings/FixedText.h"
#include "settings/RecordBytes.h"
#include "tests/monitor/ProtocolConversation.h"

namespace monitor::protocol::test {
namespace {

using ::testing::ElementsAre;

std::uint16_t sumOf(const Bytes& bytes, std::size_t end)
{
    unsigned sum = 0;
    for (std::size_t i = 0; i < end; ++i)
        sum += bytes[i];
    return static_cast<std::uint16_t>(sum & 0xffff);
}

std::string text(const Bytes& bytes, std::size_t begin, std::size_t count)
{
    return std::string(bytes.begin() + static_cast<long>(begin), bytes.begin() + static_cast<long>(begin + count));
}

class MacroReportTest : public ProtocolTest {
protected:
    settings::ButtonAssignment& slot() { return block->Profiles[2].MacroKeyInfo[7]; }  // device button 5

    // The mouse's answer for profile 2, button 5, with `events` events and a
    // valid checksum unless told otherwise.
    Bytes macroAnswer(std::uint16_t eventCount, const char* name = "Reload  ")
    {
        Bytes macro(2082, 0);
        macro[0] = 8;
        macro[1] = 0x22;
        macro[2] = 0x08;
        macro[3] = 2;
        macro[4] = 5;
        macro[5] = 9;
        const std::string names[] = {"Pad", "Shooter set", name};
        for (int n = 0; n < 3; ++n)
            std::copy(names[n].begin(), names[n].end(), macro.begin() + 6 + 24 * n);
        macro[78] = static_cast<std::uint8_t>(eventCount & 0xff);
        macro[79] = static_cast<std::uint8_t>(eventCount >> 8);
        for (std::size_t i = 0; i < std::min<std::size_t>(eventCount, 500); ++i) {
            macro[80 + 4 * i] = static_cast<std::uint8_t>(0x04 + i);
            macro[81 + 4 * i] = 1;
            macro[82 + 4 * i] = 0x2c;
            macro[83 + 4 * i] = 0x01;
        }
        const std::uint16_t sum = sumOf(macro, 2080);
        macro[2080] = static_cast<std::uint8_t>(sum & 0xff);
        macro[2081] = static_cast<std::uint8_t>(sum >> 8);
        return macro;
    }
};

TEST_F(MacroReportTest, WritesNamesLoopCountAndEventsOfTheSlotsDeviceButton)
{
    settings::setFieldText(slot().DeviceName, "Pad");
    settings::setFieldText(slot().MacroSetName, "A set name of more than twenty-four bytes");
    settings::setFieldText(slot().MacroName, "Reload");
    slot().MacroLoopCount = 0x103;
    slot().MacroEventCount = 2;
    slot().MacroEvents[0] = {0x04, 1, 0x012c};
    slot().MacroEvents[1] = {0x04, 2, 0x0005};
    slot().MacroEvents[2] = {0x55, 1, 0};  // beyond the count: not sent

    EXPECT_TRUE(writeMacro(link, *block, 2, 7));
    EXPECT_THAT(conversation.lines(), ElementsAre("send 08 22 08 02 05 ..(2082)", "pause 500", kReady));
    const Bytes sent = mouse.writes().at(0);
    ASSERT_EQ(sent.size(), 2082u);
    EXPECT_EQ(hex(std::span(sent).first(6)), "08 22 08 02 05 03");
    EXPECT_EQ(text(sent, 6, 24), std::string("Pad") + std::string(21, '\0'));
    EXPECT_EQ(text(sent, 30, 24), "A set name of more than ");
    EXPECT_EQ(text(sent, 54, 24), std::string("Reload") + std::string(18, '\0'));
    EXPECT_EQ(hex(std::span(sent).subspan(78, 10)), "02 00 04 01 2c 01 04 02 05 00");
    EXPECT_TRUE(std::all_of(sent.begin() + 88, sent.begin() + 2080, [](std::uint8_t b) { return b == 0; }));
    const std::uint16_t sum = sumOf(sent, 2080);
    EXPECT_EQ(sent[2080], sum & 0xff);
    EXPECT_EQ(sent[2081], sum >> 8);
}

TEST_F(MacroReportTest, AMacroWithoutEventsSendsCountZeroAndAChecksumOverAllBytes)
{
    settings::setFieldText(slot().MacroName, "Empty");
    slot().MacroEventCount = 0;
    slot().MacroEvents[0] = {0x04, 1, 10};
    EXPECT_TRUE(writeMacro(link, *block, 2, 7));
    const Bytes sent = mouse.writes().at(0);
    EXPECT_TRUE(std::all_of(sent.begin() + 78, sent.begin() + 2080, [](std::uint8_t b) { return b == 0; }));
    // 08 + 22 + 08 + 02 + 05 + "Empty" (45 6d 70 74 79) = 0x248
    EXPECT_EQ(hex(std::span(sent).last(2)), "48 02");
}

TEST_F(MacroReportTest, ARecordWithMoreThan500EventsIsNotSent)
{
    slot().MacroEventCount = 501;
    EXPECT_FALSE(writeMacro(link, *block, 2, 7));
    EXPECT_TRUE(conversation.lines().empty());
}

TEST_F(MacroReportTest, HostOnlySlotsHaveNoMacroOnTheMouse)
{
    for (int hostOnly : {5, 6, 11, 17, 18, 23}) {
        block->Profiles[0].MacroKeyInfo[hostOnly].FunctionCode = 48;
        EXPECT_FALSE(writeMacro(link, *block, 0, hostOnly));
        EXPECT_FALSE(readMacro(link, *block, 0, hostOnly));
    }
    EXPECT_TRUE(conversation.lines().empty());
}

TEST_F(MacroReportTest, ReadSelectsTheDeviceButtonAndStoresTheWholeMacro)
{
    settings::setFieldText(slot().DeviceName, "an older and longer device name");
    slot().MacroEventCount = 5;
    slot().MacroEvents[4] = {0x33, 2, 99};
    mouse.answer(macroAnswer(3));

    ASSERT_TRUE(readMacro(link, *block, 2, 7));
    EXPECT_THAT(conversation.lines(), ElementsAre("send 04 02 05", "pause 100", kReady, "get 08 -> 08 22 08 02 05 ..(2082)"));
    EXPECT_EQ(slot().SlotIndex, 5) << "the device button echoed in byte 4";
    EXPECT_EQ(slot().FunctionCode, 48);
    EXPECT_EQ(slot().MacroLoopCount, 9);
    EXPECT_EQ(settings::fieldText(slot().DeviceName), "Pad");
    EXPECT_EQ(settings::fieldText(slot().MacroSetName), "Shooter set");
    EXPECT_EQ(settings::fieldText(slot().MacroName), "Reload") << "trailing blanks stripped";
    EXPECT_EQ(slot().MacroEventCount, 3);
    EXPECT_EQ(slot().MacroEvents[2].Key, 0x06);
    EXPECT_EQ(slot().MacroEvents[2].Action, 1);
    EXPECT_EQ(slot().MacroEvents[2].DelayMs, 0x012c);
    EXPECT_EQ(slot().MacroEvents[3].Key, 0) << "the event area is cleared first";
    EXPECT_EQ(slot().MacroEvents[4].Key, 0);
}

TEST_F(MacroReportTest, ANameFillingAll24BytesEndsThere)
{
    mouse.answer(macroAnswer(0, "Twenty-four letters long"));
    ASSERT_TRUE(readMacro(link, *block, 2, 7));
    EXPECT_EQ(settings::fieldText(slot().MacroName), "Twenty-four letters long");
    EXPECT_EQ(slot().MacroEventCount, 0);
}

TEST_F(MacroReportTest, AnEventCountAbove500RejectsTheWholeReport)
{
    const settings::ButtonAssignment before = slot();
    mouse.answer(macroAnswer(600));
    EXPECT_FALSE(readMacro(link, *block, 2, 7));
    EXPECT_TRUE(settings::sameBytes(before, slot()));

    mouse.answer(macroAnswer(500));
    EXPECT_TRUE(readMacro(link, *block, 2, 7));
    EXPECT_EQ(slot().MacroEventCount, 500);
    EXPECT_EQ(slot().MacroEvents[499].Key, static_cast<std::uint8_t>(0x04 + 499));
}

TEST_F(MacroReportTest, ARejectedChecksumStoresNothing)
{
    const settings::ButtonAssignment before = slot();
    Bytes answer = macroAnswer(2);
    answer[100] ^= 0x40;
    mouse.answer(answer);
    EXPECT_FALSE(readMacro(link, *block, 2, 7));
    EXPECT_TRUE(settings::sameBytes(before, slot()));
}

}  // namespace
}  // namespace monitor::protocol::test
