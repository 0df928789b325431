// The monitor's tray icon on a real X display (Xvfb) with a small tray host
// (trayer): shown only while the mouse is present and Parley has not taken over;
// double-click and the menu's "Configuration" start the application, "Exit"
// closes the monitor. Clicks come from xdotool.

#include <algorithm>
#include <cstdlib>

#include <gtest/gtest.h>

#include <thread>

#include "E2eChecks.h"
#include "MonitorRig.h"

namespace e2e {
namespace {

// Runs a tool to its end; its output lines, or nothing when it failed.
std::optional<std::vector<std::string>> runTool(const std::vector<std::string>& arguments,
                                                Milliseconds limit = kStartLimit)
{
    std::unique_ptr<ChildProcess> tool = ChildProcess::start(arguments);
    if (!tool)
        return std::nullopt;
    const std::optional<int> status = tool->waitForExit(limit);
    if (!status || *status != 0)
        return std::nullopt;
    return tool->lines();
}

// The first visible window of the monitor's class, searched at `depth` (0: any,
// 1: top-level windows only, so the menu and not the icon inside the tray host).
// xdotool waits for it with --sync; runTool's limit bounds that.
std::string monitorWindow(int depth)
{
    std::vector<std::string> arguments = {"xdotool", "search", "--sync", "--onlyvisible"};
    if (depth > 0)
        arguments.insert(arguments.end(), {"--maxdepth", std::to_string(depth)});
    arguments.insert(arguments.end(), {"--class", "^ZuroTarnMonitor$"});
    const auto lines = runTool(arguments);
    return lines && !lines->empty() ? lines->front() : "";
}

bool anyVisibleMonitorWindow()
{
    return runTool({"xdotool", "search", "--onlyvisible", "--class", "^ZuroTarnMonitor$"}).has_value();
}

bool click(const std::string& window, int x, int y, const std::vector<std::string>& button)
{
    std::vector<std::string> arguments = {"xdotool", "mousemove", "--window", window, std::to_string(x),
                                          std::to_string(y), "click"};
    arguments.insert(arguments.end(), button.begin(), button.end());
    return runTool(arguments).has_value();
}

int menuHeight(const std::string& menu)
{
    const auto lines = runTool({"xdotool", "getwindowgeometry", "--shell", menu});
    if (lines)
        for (const std::string& line : *lines)
            if (line.starts_with("HEIGHT="))
                return std::atoi(line.c_str() + 7);
    return 0;
}

class MonitorTray : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!std::getenv("DISPLAY") || !*std::getenv("DISPLAY"))
            GTEST_SKIP() << "needs an X display (run under xvfb-run)";
        trayHost = ChildProcess::start({"trayer", "--edge", "bottom", "--align", "right", "--widthtype", "pixel",
                                        "--width", "200", "--heighttype", "pixel", "--height", "40"});
        ASSERT_TRUE(trayHost);
        ASSERT_TRUE(rig.startMouse());
        monitor = rig.startMonitor({}, {"QT_QPA_PLATFORM=xcb"});
        ASSERT_TRUE(monitor && rig.waitForStartupRead());
        ASSERT_TRUE(monitor->waitForLine("Tray: system tray available", 0ms)) << "the tray host is not running";
        icon = monitorWindow(0);
        ASSERT_FALSE(icon.empty()) << "the icon did not appear in the tray";
    }

    std::size_t optionStarts() const
    {
        const std::string starts = rig.readTreeFile("option-starts");
        return static_cast<std::size_t>(std::count(starts.begin(), starts.end(), '\n'));
    }

    bool waitForOptionStarts(std::size_t count)
    {
        ReportLogWatcher starts(rig.treeFile("option-starts"));
        return starts.waitUntil([&](const std::vector<LogEntry>&) { return optionStarts() >= count; }, kStartLimit);
    }

    MonitorRig rig;
    std::unique_ptr<ChildProcess> trayHost;
    std::unique_ptr<ChildProcess> monitor;
    std::string icon;
};

TEST_F(MonitorTray, IconFollowsTheMouseAndParley)
{
    ASSERT_TRUE(rig.mouseCommand("unplug"));
    ASSERT_TRUE(monitor->waitForLine("Tray icon removed", kStartLimit));
    EXPECT_FALSE(anyVisibleMonitorWindow());
    ASSERT_TRUE(rig.mouseCommand("plug"));
    ASSERT_TRUE(monitor->waitForCount("Tray icon shown", 2, kStartLimit));
    EXPECT_FALSE(monitorWindow(0).empty());

    auto parley = rig.startPeer({"parley-takeover"});
    ASSERT_TRUE(parley && monitor->waitForCount("Tray icon removed", 2, kStartLimit));
    EXPECT_FALSE(anyVisibleMonitorWindow());
}

TEST_F(MonitorTray, ASingleLeftClickOnlyRaisesWhatIsOpen)
{
    // With the menu open, a left click on the icon brings it forward and starts nothing.
    ASSERT_TRUE(click(icon, 10, 10, {"3"}));
    ASSERT_FALSE(monitorWindow(1).empty()) << "no menu";
    ASSERT_TRUE(click(icon, 10, 10, {"1"}));
    // Longer than a double-click: a second click would have counted by now.
    std::this_thread::sleep_for(1s);
    EXPECT_FALSE(rig.treeFileExists("option-starts"));
    EXPECT_FALSE(monitor->waitForLine("OnSystrayNotify WM_LBUTTONDBLCLK", 0ms));
    EXPECT_FALSE(monitor->waitForExit(0ms).has_value()) << "the monitor must keep running";
}

TEST_F(MonitorTray, DoubleClickAndMenuStartTheApplicationAndExitCloses)
{
    ASSERT_TRUE(click(icon, 10, 10, {"--repeat", "2", "--delay", "80", "1"}));
    ASSERT_TRUE(waitForFile(rig.treeFile("option-starts"), kStartLimit));
    EXPECT_TRUE(monitor->waitForLine("OnSystrayNotify WM_LBUTTONDBLCLK", kStartLimit));

    // The menu: "Configuration" on top, a separator, "Exit" at the bottom.
    ASSERT_TRUE(click(icon, 10, 10, {"3"}));
    std::string menu = monitorWindow(1);
    ASSERT_FALSE(menu.empty()) << "no menu";
    ASSERT_TRUE(click(menu, 20, 10, {"1"}));
    EXPECT_TRUE(waitForOptionStarts(2));
    EXPECT_EQ(optionStarts(), 2u);

    ASSERT_TRUE(click(icon, 10, 10, {"3"}));
    menu = monitorWindow(1);
    ASSERT_FALSE(menu.empty()) << "no menu";
    const int height = menuHeight(menu);
    ASSERT_GT(height, 30);
    ASSERT_TRUE(click(menu, 20, height - 8, {"1"}));
    EXPECT_EQ(monitor->waitForExit(kStartLimit), 0);
    EXPECT_TRUE(monitor->waitForLine("CMonitorWnd: closed", 0ms));
    EXPECT_EQ(optionStarts(), 2u);
}

}  // namespace
}  // namespace e2e
