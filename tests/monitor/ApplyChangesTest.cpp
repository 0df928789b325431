#include <algorithm>

#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include "monitor/protocol/ApplyChanges.h"
#include "tests/monitor/ProtocolConversation.h"

namespace monitor::protocol::test {
namespace {

using ::testing::ElementsAre;

class ApplyChangesTest : public ProtocolTest {
protected:
    void flagButton(int profile, int slot) { block->ButtonChangedFlags[profile * 24 + slot] = 1; }

    void makeMacro(int profile, int slot)
    {
        block->Profiles[profile].MacroKeyInfo[slot].FunctionCode = 48;
        flagButton(profile, slot);
    }

    // Only the report IDs and profile bytes of what was sent, in order.
    std::vector<std::string> sentReports() const
    {
        std::vector<std::string> sent;
        for (const Bytes& report : mouse.writes()) {
            std::string line = hex(std::span(report).first(1));
            if (report[0] == 6 || report[0] == 7)
                line += " p" + std::to_string(report[2]);
            if (report[0] == 8)
                line += " p" + std::to_string(report[3]) + " b" + std::to_string(report[4]);
            sent.push_back(line);
        }
        return sent;
    }
};

TEST_F(ApplyChangesTest, NothingFlaggedSendsNothing)
{
    block->Profiles[0].MacroKeyInfo[0].FunctionCode = 48;
    block->ButtonChangedFlags[0] = 2;  // only 1 counts as set
    block->ProfileChangedFlags[1] = -1;
    EXPECT_TRUE(applyChanges(link, *block));
    EXPECT_TRUE(conversation.lines().empty());
}

TEST_F(ApplyChangesTest, SendsOnlyTheFlaggedReportsInTheirOrder)
{
    block->CurrentProfile = 2;
    block->ActiveProfileChangedFlag = 1;
    block->ProfileChangedFlags[3] = 1;
    block->ProfileChangedFlags[1] = 1;
    flagButton(4, 0);      // a plain button: its table, no macro
    makeMacro(2, 7);       // button 5
    makeMacro(2, 22);      // button 17
    makeMacro(0, 1);
    block->Profiles[3].MacroKeyInfo[4].FunctionCode = 48;  // macro without its flag
    block->DeviceFlagsChangedFlag = 1;                     // not for apply

    EXPECT_TRUE(applyChanges(link, *block));
    EXPECT_THAT(sentReports(), ElementsAre("05", "06 p1", "06 p3", "07 p0", "07 p2", "07 p4",  //
                                           "08 p0 b1", "08 p2 b5", "08 p2 b17"));
    EXPECT_THAT(conversation.lines(),
                ElementsAre("send 05 03 02", "pause 100", kReady, "pause 100",
                            "send 06 1f 01 00 06 ..(31)", "pause 100", kReady, "pause 100",
                            "send 06 1f 03 00 06 ..(31)", "pause 100", kReady, "pause 100",
                            "send 07 3b 00 01 00 ..(59)", "pause 500", kReady, "pause 100",
                            "send 07 3b 02 01 00 ..(59)", "pause 500", kReady, "pause 100",
                            "send 07 3b 04 01 00 ..(59)", "pause 500", kReady, "pause 100",
                            "send 08 22 08 00 01 ..(2082)", "pause 500", kReady,
                            "send 08 22 08 02 05 ..(2082)", "pause 500", kReady,
                            "send 08 22 08 02 11 ..(2082)", "pause 500", kReady));
}

TEST_F(ApplyChangesTest, HostOnlySlotsNeverSendAMacroEvenWhenFlagged)
{
    for (int slot : {5, 6, 11, 17, 18, 23})
        makeMacro(1, slot);
    EXPECT_TRUE(applyChanges(link, *block));
    EXPECT_THAT(sentReports(), ElementsAre("07 p1"));
}

TEST_F(ApplyChangesTest, AFailedSettingsWriteDoesNotStopTheApply)
{
    block->ProfileChangedFlags[0] = 1;
    block->ProfileChangedFlags[1] = 1;
    makeMacro(1, 0);
    mouse.refuseWrites(6);
    EXPECT_FALSE(applyChanges(link, *block)) << "the mouse did not take everything";
    EXPECT_THAT(sentReports(), ElementsAre("06 p0", "06 p1", "07 p1", "08 p1 b0"));

    // A handshake that does not end ready counts as not taken too.
    mouse.answer("04 02 00");
    EXPECT_FALSE(applyChanges(link, *block));
}

TEST_F(ApplyChangesTest, EverythingSendsAllProfilesTablesAndKnownMacrosWhateverTheFlags)
{
    block->CurrentProfile = 1;
    makeMacro(2, 7);                                       // button 5
    block->Profiles[0].MacroKeyInfo[5].FunctionCode = 48;  // never goes to the mouse
    block->ButtonChangedFlags[2 * 24 + 7] = 0;
    EXPECT_TRUE(applyEverything(link, *block));
    EXPECT_THAT(sentReports(), ElementsAre("05", "06 p0", "06 p1", "06 p2", "06 p3", "06 p4", "07 p0", "07 p1",
                                           "07 p2", "07 p3", "07 p4", "08 p2 b5"));
    EXPECT_EQ(block->ProfileChangedFlags[0], 0) << "the caller's flags stay as they were";

    // Files without an active profile leave the mouse's own: the same less report 5.
    block->CurrentProfile = -1;
    EXPECT_TRUE(applyRequest(link, *block, 0, true));
    const std::vector<std::string> sent = sentReports();
    EXPECT_EQ(sent.size(), 12u + 11u);
    EXPECT_EQ(std::count(sent.begin(), sent.end(), "05"), 1);
}

TEST_F(ApplyChangesTest, StopsAtTheFirstMacroThatFails)
{
    makeMacro(0, 0);
    makeMacro(0, 1);
    makeMacro(3, 2);
    mouse.answer("04 01 00");
    mouse.answer("04 01 00");
    mouse.answer("04 01 00");
    mouse.answer("04 02 00");  // the second macro's handshake fails
    EXPECT_FALSE(applyChanges(link, *block));
    EXPECT_THAT(sentReports(), ElementsAre("07 p0", "07 p3", "08 p0 b0", "08 p0 b1"));
}

TEST_F(ApplyChangesTest, AbortStopsEverythingAtOnce)
{
    block->CurrentProfile = 0;
    block->ActiveProfileChangedFlag = 1;
    block->ProfileChangedFlags[0] = 1;
    makeMacro(0, 0);
    abortAfterSleeps(1);  // in the last step of the active-profile handshake
    EXPECT_FALSE(applyChanges(link, *block));
    EXPECT_THAT(conversation.lines(), ElementsAre("send 05 03 00", "pause 100", kReady));
}

TEST_F(ApplyChangesTest, RequestAfterRestoringDefaultsSendsOnlyTheRestoreCommand)
{
    block->ActiveProfileChangedFlag = 1;
    block->ProfileChangedFlags[2] = 1;
    makeMacro(2, 0);
    EXPECT_TRUE(applyRequest(link, *block, 1));
    EXPECT_THAT(conversation.lines(), ElementsAre("send 09 06 0b 00 00 00", "pause 100", kReady));

    mouse.refuseWrites(9);
    EXPECT_FALSE(applyRequest(link, *block, 1));

    conversation.clear();
    EXPECT_TRUE(applyRequest(link, *block, 0));
    EXPECT_THAT(sentReports(), ElementsAre("09", "09", "05", "06 p2", "07 p2", "08 p2 b0"));
}

}  // namespace
}  // namespace monitor::protocol::test
