// Parley's device registrations and take-over of the tray, and a monitor that
// runs without the bridge library or without a display.

#include <csignal>

#include <gtest/gtest.h>

#include "E2eChecks.h"
#include "MonitorRig.h"

namespace e2e {
namespace {

TEST(MonitorParley, RegistrationWithAKnownProductIdUpdatesItsEntryInPlace)
{
    MonitorRig rig;
    ASSERT_TRUE(rig.startMouse());
    auto option = rig.startPeer({"window", "VANTRO Zuro Vell Lumic Noxa Edition Option"});
    ASSERT_TRUE(option && option->waitForLine("ready", kStartLimit));
    auto monitor = rig.startMonitor();
    ASSERT_TRUE(monitor && monitor->waitForLine("CMonitorWnd: started", kStartLimit));
    ASSERT_EQ(iniValue(rig.readTreeFile("DeviceInfo.ini"), "Count"), "0");

    ASSERT_TRUE(rig.runPeer({"register", "0x1234", "Alpha"}));
    ASSERT_TRUE(rig.runPeer({"register", "0x5678", "Gamma"}));
    ASSERT_TRUE(rig.runPeer({"register", "0x1234", "Beta"}));
    // Any size but 64 bytes is no registration.
    ASSERT_TRUE(rig.runPeer({"register", "0x9999", "Short", "63"}));
    ASSERT_TRUE(rig.runPeer({"register", "0x9998", "Long", "65"}));

    const std::string devices = rig.readTreeFile("DeviceInfo.ini");
    EXPECT_EQ(iniValue(devices, "Count"), "2");
    const std::string first = devices.substr(devices.find("[Device0]"));
    EXPECT_EQ(iniValue(first, "PID"), std::to_string(0x1234));
    EXPECT_EQ(iniValue(first, "Name"), "Beta");
    EXPECT_EQ(iniValue(first, "CPI 0"), std::to_string(400 + 0x1234 % 100));
    EXPECT_EQ(iniValue(devices.substr(devices.find("[Device1]")), "Name"), "Gamma");
    EXPECT_EQ(devices.find("[Device2]"), std::string::npos);
    EXPECT_TRUE(monitor->waitForLine("Beta", 0ms)) << "the name goes to the debug output";
    // One reread request per change; the refused sizes change nothing.
    EXPECT_TRUE(option->waitForCount("message 1284 0 0", 3, kStartLimit));
    EXPECT_EQ(option->countLines("message 1284 0 0"), 3u);
}

TEST(MonitorParley, TakeOverHidesTheTrayAndHearsPresenceAndCpiLevels)
{
    MonitorRig rig;
    ASSERT_TRUE(rig.startMouse());
    auto monitor = rig.startMonitor();
    ASSERT_TRUE(monitor && rig.waitForStartupRead());
    ASSERT_TRUE(monitor->waitForLine("Tray icon shown", kStartLimit));

    auto parley = rig.startPeer({"parley-takeover"});
    ASSERT_TRUE(parley);
    ASSERT_TRUE(parley->waitForLine("copydata 2024 07970003 7D1EC22D", kStartLimit)) << "presence, mouse present";
    ASSERT_TRUE(parley->waitForLine("copydata 2024 07970005 7D1EC22D", kStartLimit)) << "the CPI levels";
    EXPECT_TRUE(monitor->waitForLine("Tray icon removed", kStartLimit));
    // The payload: IDs, the monitor's window, then the CPI levels x 100.
    for (const std::string& line : parley->lines()) {
        if (line.starts_with("copydata 2024 07970005")) {
            const std::string payload = line.substr(line.rfind(' ') + 1);
            EXPECT_EQ(payload.size(), 56u);
            EXPECT_EQ(payload.substr(16, 8), "90010000") << "400 CPI, level 0 of the factory profile";
        }
    }

    ASSERT_TRUE(rig.runPeer({"post", "2025", "7", "0"}));
    EXPECT_TRUE(monitor->waitForLine("Parley status 7", kStartLimit));
    EXPECT_TRUE(monitor->waitForCount("Tray icon shown", 2, kStartLimit)) << "back once Parley lets go";
}

TEST(MonitorWithoutBridge, RunsWithoutDeviceAndSaysWhy)
{
    MonitorRig rig;
    rig.removeBridgeLibrary();
    auto monitor = rig.startMonitor({}, withoutDisplay());
    ASSERT_TRUE(monitor);
    ASSERT_TRUE(monitor->waitForLine("CMonitorWnd: started, device state 0", kStartLimit));
    EXPECT_TRUE(monitor->waitForLine("running without a device: hidbridge.so cannot be loaded", 0ms));
    EXPECT_TRUE(monitor->waitForLine("no display, no tray icon", 0ms));

    const auto applied = rig.runPeer({"apply", rig.tree(), "cpi:0:0:9"});
    ASSERT_TRUE(applied);
    EXPECT_EQ(applied->back().substr(0, 9), "applied 0");
    monitor->signal(SIGINT);
    EXPECT_EQ(monitor->waitForExit(kStartLimit), 0);
    EXPECT_TRUE(monitor->waitForLine("CMonitorWnd: closed", 0ms));
}

TEST(MonitorWithoutBridge, TrayTipTellsWhyThereIsNoMouse)
{
    MonitorRig rig;
    rig.removeBridgeLibrary();
    auto monitor = rig.startMonitor();
    ASSERT_TRUE(monitor && monitor->waitForLine("CMonitorWnd: started", kStartLimit));
    EXPECT_TRUE(monitor->waitForLine("Tray icon shown: Zuro Vell Lumic Noxa Edition - no mouse: hidbridge.so", 0ms));
}

}  // namespace
}  // namespace e2e
