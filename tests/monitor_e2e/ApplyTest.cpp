// The configuration application's apply request (message 1224), played by the
// peer program, and what reaches the simulated mouse; its answer, and the
// pending-changes marker a change the mouse did not take leaves behind.

#include <csignal>

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

    bool markerExists() const { return rig.treeFileExists("config/PendingChanges"); }

    // The settings reports of `profile` sent since the mark, as bytes.
    std::vector<std::vector<int>> settingsReportsOf(int profile)
    {
        std::vector<std::vector<int>> found;
        for (const std::string& text : reportsSinceMark()) {
            if (!text.starts_with("SET 06"))
                continue;
            std::vector<int> bytes = bytesOf(text.substr(4));
            if (bytes.size() > 2 && bytes[2] == profile)
                found.push_back(std::move(bytes));
        }
        return found;
    }

    MonitorRig rig;
    std::unique_ptr<ChildProcess> monitor;
    std::size_t mark = 0;
};

TEST_F(MonitorApply, OneCpiChangeSendsThatProfilesSettingsThenTheHandshake)
{
    ASSERT_EQ(apply({"cpi:2:1:33"}).back().substr(0, 9), "applied 1") << "the mouse took it";
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
    ASSERT_EQ(apply({"macro:1:3:4", "macro:1:5:2"}).back().substr(0, 9), "applied 1");
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
    ASSERT_EQ(apply({"--defaults", "cpi:0:0:20"}).back().substr(0, 9), "applied 1");
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
    EXPECT_TRUE(markerExists());
}

TEST_F(MonitorApply, ARefusedReportAnswersNotTakenAndTheNextApplySendsEverything)
{
    auto option = rig.startPeer({"window", "VANTRO Zuro Vell Lumic Noxa Edition Option"});
    ASSERT_TRUE(option && option->waitForLine("ready", kStartLimit));
    ASSERT_TRUE(rig.mouseCommand("fault fail-set 1"));
    EXPECT_EQ(apply({"cpi:2:1:33"}).back().substr(0, 9), "applied 0");
    EXPECT_TRUE(markerExists());
    EXPECT_TRUE(option->waitForLine("message 1256 0 0", kStartLimit)) << "OK and Apply are enabled again";

    // Nothing changed since: the marker alone makes the mouse get everything.
    mark = rig.log().entries().size();
    EXPECT_EQ(apply({}).back().substr(0, 9), "applied 1");
    const std::vector<LogEntry> entries = rig.log().entries();
    EXPECT_EQ(countStartingWith(entries, mark, "SET 06"), 5u);
    EXPECT_EQ(countStartingWith(entries, mark, "SET 07"), 5u);
    ASSERT_EQ(settingsReportsOf(2).size(), 1u);
    EXPECT_EQ(settingsReportsOf(2)[0][8], 66);
    EXPECT_FALSE(markerExists());
}

TEST_F(MonitorApply, AChangeLostWithTheMouseReachesItWhenItIsBackInsteadOfBeingReadOver)
{
    ASSERT_TRUE(rig.mouseCommand("fault unplug-after 1"));
    EXPECT_EQ(apply({"cpi:1:2:37"}).back().substr(0, 9), "applied 0");
    ASSERT_TRUE(monitor->waitForLine("mouse removed", kStartLimit));
    EXPECT_TRUE(markerExists());

    mark = rig.log().entries().size();
    ASSERT_TRUE(rig.mouseCommand("plug"));
    // The arrival's settling time, then everything the block holds.
    ASSERT_TRUE(rig.log().waitForEntry("SET 0E 03 01", mark, kStartLimit + 10s));
    EXPECT_EQ(countStartingWith(rig.log().entries(), mark, "SET 04 00 80"), 0u) << "no profile is read back";
    const auto profileOne = settingsReportsOf(1);
    ASSERT_EQ(profileOne.size(), 1u);
    EXPECT_EQ(profileOne[0][9], 74) << "CPI level 2 of profile 1 goes doubled";
    EXPECT_FALSE(markerExists());
    EXPECT_EQ(iniValue(rig.readTreeFile("config/Default1.vmp"), "CpiLevel_X2"), "37");
}

TEST_F(MonitorApply, SignalDuringABusyHandshakeEndsTheApplyAndTheMonitorAtOnce)
{
    ASSERT_TRUE(rig.mouseCommand("fault busy 100"));
    auto peer = rig.startPeer({"apply", rig.tree(), "cpi:0:0:21"});
    ASSERT_TRUE(peer && rig.log().waitForEntry("GET 04 03", mark, kStartLimit));
    monitor->signal(SIGTERM);
    // The handshake alone would hold the window for more than 16 s.
    ASSERT_EQ(monitor->waitForExit(kStartLimit), 0);
    ASSERT_EQ(peer->waitForExit(kStartLimit), 0);
    EXPECT_TRUE(peer->waitForLine("applied 0", 0ms));
    EXPECT_TRUE(markerExists());
    EXPECT_EQ(countStartingWith(rig.log().entries(), mark, "SET 0E 03 01"), 0u);
}

TEST_F(MonitorApply, WhileTheMouseIsAbsentTheRequestReturnsAndNothingIsSent)
{
    ASSERT_TRUE(rig.mouseCommand("unplug"));
    ASSERT_TRUE(monitor->waitForLine("mouse removed", kStartLimit));
    ASSERT_EQ(apply({"cpi:3:4:44"}).back().substr(0, 9), "applied 0");
    EXPECT_TRUE(reportsSinceMark().empty());
    EXPECT_TRUE(markerExists()) << "the change waits for the mouse";
    EXPECT_EQ(iniValue(rig.readTreeFile("config.ini"), "Device"), "0");
}

}  // namespace
}  // namespace e2e
