// The configuration application's apply request (message 1224), played by the
// peer program, and what reaches the simulated mouse.

#include <gtest/gtest.h>

#include "E2eChecks.h"
#include "MonitorRig.h"

namespace e2e {
namespace {

class MonitorApply : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(rig.startMouse());
        monitor = rig.startMonitor();
        ASSERT_TRUE(monitor && rig.waitForStartupRead());
        mark = rig.log().entries().size();
    }

    // Runs the application's Apply; the lines the peer printed.
    std::vector<std::string> apply(const std::vector<std::string>& edits, Milliseconds limit = 30s)
    {
        std::vector<std::string> arguments = {"apply", rig.tree()};
        arguments.insert(arguments.end(), edits.begin(), edits.end());
        const auto output = rig.runPeer(arguments, limit);
        return output ? *output : std::vector<std::string>{"apply failed"};
    }

    std::vector<std::string> reportsSinceMark() { return textsFrom(rig.log().entries(), mark); }

    MonitorRig rig;
    std::unique_ptr<ChildProcess> monitor;
    std::size_t mark = 0;
};

TEST_F(MonitorApply, OneCpiChangeSendsThatProfilesSettingsThenTheHandshake)
{
    ASSERT_EQ(apply({"cpi:2:1:33"}).back().substr(0, 9), "applied 0");
    // The request returns only after the mouse answered: nothing comes later.
    const std::vector<std::string> reports = reportsSinceMark();
    ASSERT_EQ(reports.size(), 2u) << ::testing::PrintToString(reports);
    const std::vector<int> settings = bytesOf(reports[0].substr(4));
    ASSERT_EQ(reports[0].substr(0, 3), "SET");
    ASSERT_EQ(settings.size(), 31u);
    EXPECT_EQ(settings[0], 0x06);
    EXPECT_EQ(settings[2], 2) << "profile 2 only";
    EXPECT_EQ(settings[8], 66) << "CPI level 1 goes doubled";
    EXPECT_EQ(reports[1], "GET 04 01 00");
}

TEST_F(MonitorApply, ButtonChangeSendsTheTableAndOnlyTheMacrosTheMouseKnows)
{
    // Slot 3 is device button 3; slot 5 never goes to the mouse, even flagged.
    ASSERT_EQ(apply({"macro:1:3:4", "macro:1:5:2"}).back().substr(0, 9), "applied 0");
    const std::vector<std::string> reports = reportsSinceMark();
    ASSERT_EQ(reports.size(), 4u) << ::testing::PrintToString(reports);
    const std::vector<int> table = bytesOf(reports[0].substr(4));
    ASSERT_EQ(table.size(), 59u);
    EXPECT_EQ(table[0], 0x07);
    EXPECT_EQ(table[2], 1);
    EXPECT_EQ(table[3 + 3 * 3], 48) << "device button 3 holds the macro code";
    EXPECT_EQ(reports[1], "GET 04 01 00");
    const std::vector<int> macro = bytesOf(reports[2].substr(4));
    ASSERT_EQ(macro.size(), 2082u);
    EXPECT_EQ(macro[0], 0x08);
    EXPECT_EQ(macro[3], 1);
    EXPECT_EQ(macro[4], 3);
    EXPECT_EQ(macro[78], 4) << "four events";
    EXPECT_EQ(reports[3], "GET 04 01 00");
}

TEST_F(MonitorApply, RestoreDefaultsSendsReportNineOnly)
{
    ASSERT_EQ(apply({"--defaults", "cpi:0:0:20"}).back().substr(0, 9), "applied 0");
    EXPECT_EQ(reportsSinceMark(), (std::vector<std::string>{"SET 09 06 0B 00 00 00", "GET 04 01 00"}));
}

TEST_F(MonitorApply, BusyOnEveryStatusReadGivesUpAfterTenReads)
{
    ASSERT_TRUE(rig.mouseCommand("fault busy 100"));
    // 100 + 1000 + 1500 + 7 x 2000 ms of the handshake's own pauses.
    const std::vector<std::string> output = apply({"cpi:0:0:21"}, 40s);
    ASSERT_EQ(output.back().substr(0, 9), "applied 0");
    const std::vector<std::string> reports = reportsSinceMark();
    ASSERT_EQ(reports.size(), 11u) << ::testing::PrintToString(reports);
    EXPECT_EQ(reports[0].substr(0, 9), "SET 06 1F");
    for (std::size_t i = 1; i < reports.size(); ++i)
        EXPECT_EQ(reports[i], "GET 04 03 00") << i;
    const long long elapsed = std::stoll(output.back().substr(output.back().rfind(' ') + 1));
    EXPECT_GE(elapsed, 16600);
}

TEST_F(MonitorApply, WhileTheMouseIsAbsentTheRequestReturnsAndNothingIsSent)
{
    ASSERT_TRUE(rig.mouseCommand("unplug"));
    ASSERT_TRUE(monitor->waitForLine("mouse removed", kStartLimit));
    ASSERT_EQ(apply({"cpi:3:4:44"}).back().substr(0, 9), "applied 0");
    EXPECT_TRUE(reportsSinceMark().empty());
    EXPECT_EQ(iniValue(rig.readTreeFile("config.ini"), "Device"), "0");
}

}  // namespace
}  // namespace e2e
