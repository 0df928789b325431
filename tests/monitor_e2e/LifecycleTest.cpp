// The monitor's start with the mouse present, its single instance and its shutdown,
// against the simulated mouse's report log.

#include <csignal>
#include <sstream>
#include <thread>

#include <gtest/gtest.h>

#include "E2eChecks.h"
#include "MonitorRig.h"

namespace e2e {
namespace {

constexpr char kOptionTitle[] = "VANTRO Zuro Vell Lumic Noxa Edition Option";

TEST(MonitorLifecycle, StartWithMouseReadsTheWholeDeviceSavesPublishesAndTellsTheApplication)
{
    MonitorRig rig;
    ASSERT_TRUE(rig.startMouse());
    auto option = rig.startPeer({"window", kOptionTitle});
    ASSERT_TRUE(option && option->waitForLine("ready", kStartLimit));
    auto monitor = rig.startMonitor();
    ASSERT_TRUE(monitor);
    ASSERT_TRUE(rig.waitForStartupRead());
    ASSERT_TRUE(option->waitForLine("message 1254 0 0", kStartLimit));

    const std::vector<LogEntry> entries = rig.log().entries();
    // Firmware check, then 200 ms later the whole-device read: firmware, active
    // profile, settings and button tables of the five profiles (each selected
    // first), tracking, then host presence 1 with its handshake.
    std::vector<std::string> expected = {"GET 09", "GET 09", "GET 05"};
    for (const char* item : {"80", "90"}) {
        for (int profile = 0; profile < 5; ++profile) {
            expected.push_back("SET 04 0" + std::to_string(profile) + " " + item);
            expected.push_back("GET 04 01");
            expected.push_back(std::string(item) == "80" ? "GET 06" : "GET 07");
        }
    }
    expected.insert(expected.end(), {"GET 0F", "SET 0E 03 01", "GET 04 01"});
    EXPECT_EQ(prefixesOf(entries, expected), expected);
    ASSERT_GE(entries.size(), 2u);
    EXPECT_GE(entries[1].milliseconds - entries[0].milliseconds, 180u) << "the read waits for timer 502";

    // What the mouse holds for its active profile is in the profile file, in the
    // section and in config.ini.
    const std::vector<int> mouseCpi = cpiLevelsOfSettingsReport(entries, 0);
    ASSERT_EQ(mouseCpi.size(), 5u);
    const std::string profileFile = rig.readTreeFile("config/Default0.vmp");
    for (int level = 0; level < 5; ++level)
        EXPECT_EQ(iniValue(profileFile, "CpiLevel_X" + std::to_string(level)), std::to_string(mouseCpi[level]));
    const auto block = rig.runPeer({"read"});
    ASSERT_TRUE(block);
    std::ostringstream published;
    published << "block 0";
    for (int cpi : mouseCpi)
        published << ' ' << cpi;
    EXPECT_EQ(block->back(), published.str());
    const std::string config = rig.readTreeFile("config.ini");
    EXPECT_EQ(iniValue(config, "Device"), "1");
    EXPECT_EQ(iniValue(config, "FWVersion"), "107");
    EXPECT_TRUE(rig.treeFileExists("RunsStart.ini"));
}

TEST(MonitorLifecycle, ShutdownTellsTheMouseClosesTheApplicationAndRemovesTheSection)
{
    MonitorRig rig;
    ASSERT_TRUE(rig.startMouse());
    auto option = rig.startPeer({"window", kOptionTitle});
    ASSERT_TRUE(option && option->waitForLine("ready", kStartLimit));
    auto monitor = rig.startMonitor();
    ASSERT_TRUE(monitor && rig.waitForStartupRead());
    const std::size_t mark = rig.log().entries().size();

    monitor->signal(SIGTERM);
    ASSERT_EQ(monitor->waitForExit(kStartLimit), 0);
    // After a signal the report goes without waiting for the mouse's handshake.
    EXPECT_EQ(textsFrom(rig.log().entries(), mark), (std::vector<std::string>{"SET 0E 03 00"}));
    EXPECT_TRUE(option->waitForLine("close", kStartLimit));
    EXPECT_TRUE(monitor->waitForLine("CMonitorWnd: closed", 0ms));
    EXPECT_FALSE(rig.runPeer({"read"})) << "the section went with the monitor";
    EXPECT_EQ(iniValue(rig.readTreeFile("config.ini"), "Device"), "1");
}

TEST(MonitorLifecycle, SecondMonitorRefusesAndForwardsTheShowRequest)
{
    MonitorRig rig;
    ASSERT_TRUE(rig.startMouse());
    auto first = rig.startMonitor();
    ASSERT_TRUE(first && first->waitForLine("CMonitorWnd: started", kStartLimit));

    auto second = rig.startMonitor();
    ASSERT_TRUE(second);
    EXPECT_EQ(second->waitForExit(kStartLimit), 3);
    EXPECT_TRUE(second->waitForLine("ZuroTarnMonitor: a monitor is already running", 0ms));
    EXPECT_FALSE(second->waitForLine("CMonitorWnd: started", 0ms));
    EXPECT_EQ(first->countLines("OnCustomizer"), 0u);

    auto showing = rig.startMonitor({"1"});
    ASSERT_TRUE(showing);
    EXPECT_EQ(showing->waitForExit(kStartLimit), 0) << "the running monitor has the request";
    EXPECT_TRUE(first->waitForLine("CMonitorWnd OnCustomizer hWnd==NULL", kStartLimit));
    EXPECT_TRUE(waitForFile(rig.treeFile("option-starts"), kStartLimit)) << "the first monitor started the application";
}

TEST(MonitorLifecycle, SignalDuringTheStartupReadNeverTellsTheMouseTheHostIsBack)
{
    MonitorRig rig;
    ASSERT_TRUE(rig.startMouse());
    auto monitor = rig.startMonitor();
    ASSERT_TRUE(monitor && rig.log().waitForEntry("SET 04 02 80", 0, kStartLimit));
    monitor->signal(SIGTERM);
    ASSERT_EQ(monitor->waitForExit(kStartLimit), 0);
    const std::vector<std::string> reports = textsFrom(rig.log().entries(), 0);
    EXPECT_EQ(countStartingWith(rig.log().entries(), 0, "SET 0E 03 01"), 0u) << ::testing::PrintToString(reports);
    std::string lastSet;
    for (const std::string& report : reports)
        if (report.starts_with("SET"))
            lastSet = report;
    EXPECT_EQ(lastSet, "SET 0E 03 00");
}

TEST(MonitorLifecycle, CountsMadeDuringTheStartupReadSurviveIt)
{
    MonitorRig rig;
    ASSERT_TRUE(rig.startMouse());
    auto monitor = rig.startMonitor();
    ASSERT_TRUE(monitor && rig.log().waitForEntry("SET 04 00 80", 0, kStartLimit));
    long sent = 0;
    while (countStartingWith(rig.log().entries(), 0, "SET 0E 03 01") == 0 && sent < 300) {
        ASSERT_TRUE(rig.mouseCommand("event 0xE1 1"));
        ++sent;
        std::this_thread::sleep_for(10ms);
    }
    ASSERT_TRUE(rig.waitForStartupRead());
    ASSERT_GT(sent, 10) << "the events came during the read";
    const auto allCounted = [&] {
        const std::vector<long> counters = rig.counters();
        return !counters.empty() && counters[0] == sent;
    };
    for (int attempt = 0; attempt < 50 && !allCounted(); ++attempt)
        std::this_thread::sleep_for(100ms);
    EXPECT_TRUE(allCounted()) << sent << " sent";
    // config.ini follows within a second (the counters are written at most that often).
    char stored[9];
    std::snprintf(stored, sizeof stored, "%02lX%02lX%02lX%02lX", sent & 0xFF, (sent >> 8) & 0xFF, 0L, 0L);
    const auto savedInConfig = [&] { return iniValue(rig.readTreeFile("config.ini"), "InfoData").starts_with(stored); };
    for (int attempt = 0; attempt < 30 && !savedInConfig(); ++attempt)
        std::this_thread::sleep_for(100ms);
    EXPECT_TRUE(savedInConfig());
}

TEST(MonitorLifecycle, CommandExitAndCloseRunTheSameShutdown)
{
    MonitorRig rig;
    ASSERT_TRUE(rig.startMouse());
    auto monitor = rig.startMonitor();
    ASSERT_TRUE(monitor && rig.waitForStartupRead());
    const std::size_t mark = rig.log().entries().size();
    ASSERT_TRUE(rig.runPeer({"post", "0x111", "6002", "0"}));
    ASSERT_EQ(monitor->waitForExit(kStartLimit), 0);
    EXPECT_EQ(countStartingWith(rig.log().entries(), mark, "SET 0E 03 00"), 1u);
}

}  // namespace
}  // namespace e2e
