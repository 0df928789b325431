// The mouse going and coming while the monitor runs, and the firmware check that
// hands the mouse to the upgrader.

#include <gtest/gtest.h>

#include "E2eChecks.h"
#include "MonitorRig.h"

namespace e2e {
namespace {

TEST(MonitorDevicePresence, UnplugDuringTheWholeDeviceReadSavesNothingAndReplugReadsOnce)
{
    MonitorRig rig;
    ASSERT_TRUE(rig.startMouse());
    // The firmware check and the first reports of the read, then the mouse drops off.
    ASSERT_TRUE(rig.mouseCommand("fault unplug-after 8"));
    auto option = rig.startPeer({"window", "VANTRO Zuro Vell Lumic Noxa Edition Option"});
    ASSERT_TRUE(option && option->waitForLine("ready", kStartLimit));
    auto monitor = rig.startMonitor();
    ASSERT_TRUE(monitor);
    ASSERT_TRUE(monitor->waitForLine("whole-device read failed", kStartLimit));
    EXPECT_TRUE(monitor->waitForLine("mouse removed", 0ms));
    EXPECT_FALSE(rig.treeFileExists("config/Default0.vmp"));
    EXPECT_EQ(countStartingWith(rig.log().entries(), 0, "SET 0E"), 0u);
    EXPECT_TRUE(option->waitForLine("close", kStartLimit)) << "the application closes with the mouse gone";

    const std::size_t mark = rig.log().entries().size();
    ASSERT_TRUE(rig.mouseCommand("plug"));
    ASSERT_TRUE(monitor->waitForLine("whole-device read done", kStartLimit));
    ASSERT_TRUE(rig.log().waitForEntry("SET 0E 03 01", mark, kStartLimit));
    EXPECT_TRUE(rig.treeFileExists("config/Default0.vmp"));
    EXPECT_EQ(iniValue(rig.readTreeFile("config.ini"), "Device"), "1");
    // One arrival, one read: no second one follows.
    const auto secondRead = [&](const std::vector<LogEntry>& entries) {
        return countStartingWith(entries, mark, "SET 04 00 80") > 1;
    };
    EXPECT_FALSE(rig.log().waitUntil(secondRead, 2500ms));
    const std::vector<LogEntry> entries = rig.log().entries();
    EXPECT_EQ(countStartingWith(entries, mark, "GET 09"), 2u) << "firmware check and the read's own";
    EXPECT_EQ(countStartingWith(entries, mark, "SET 0E 03 01"), 1u);
}

struct FirmwareCase {
    const char* name;
    std::optional<int> packageVersion;
    std::vector<std::string> upgraderArguments;
};

class MonitorFirmwareCheck : public ::testing::TestWithParam<FirmwareCase> {};

TEST_P(MonitorFirmwareCheck, StartsTheUpgraderWithTheArgumentOfTheComparison)
{
    const FirmwareCase& c = GetParam();
    MonitorRig rig;
    rig.writePackageVersion(c.packageVersion);
    ASSERT_TRUE(rig.startMouse(107));
    auto monitor = rig.startMonitor();
    ASSERT_TRUE(monitor);
    if (c.upgraderArguments.empty()) {
        ASSERT_TRUE(rig.waitForStartupRead());
        EXPECT_FALSE(monitor->waitForExit(0ms)) << "the monitor keeps the mouse";
        EXPECT_FALSE(rig.treeFileExists("FWUpdateB/upgrader-arguments"));
        return;
    }
    // The upgrader takes the mouse over: the monitor closes without reading it.
    EXPECT_EQ(monitor->waitForExit(kStartLimit), 0);
    ReportLogWatcher arguments(rig.treeFile("FWUpdateB/upgrader-arguments"));
    EXPECT_TRUE(arguments.waitUntil(
        [&](const auto&) { return rig.upgraderArguments().size() >= c.upgraderArguments.size(); }, kStartLimit));
    EXPECT_EQ(rig.upgraderArguments(), c.upgraderArguments);
    const std::vector<LogEntry> entries = rig.log().entries();
    EXPECT_EQ(countStartingWith(entries, 0, "SET 04"), 0u);
    EXPECT_EQ(countStartingWith(entries, 0, "SET 0E 03 01"), 0u);
}

INSTANTIATE_TEST_SUITE_P(Versions, MonitorFirmwareCheck,
                         ::testing::Values(FirmwareCase{"Newer", 108, {"1"}}, FirmwareCase{"Equal", 107, {}},
                                           FirmwareCase{"Older", 106, {"0"}},
                                           FirmwareCase{"Missing", std::nullopt, {"1"}}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace e2e
