// Bringing up the configuration application: started when its window is absent,
// asked to restore and raise itself when it is there; by command 6001 and by the
// tray callback's double-click.

#include <gtest/gtest.h>

#include "E2eChecks.h"
#include "MonitorRig.h"

namespace e2e {
namespace {

constexpr char kOptionTitle[] = "VANTRO Zuro Vell Lumic Noxa Edition Option";

class MonitorOpensConfiguration : public ::testing::Test {
protected:
    void SetUp() override
    {
        monitor = rig.startMonitor();
        ASSERT_TRUE(monitor && monitor->waitForLine("CMonitorWnd: started", kStartLimit));
    }

    MonitorRig rig;
    std::unique_ptr<ChildProcess> monitor;
};

TEST_F(MonitorOpensConfiguration, RunningApplicationIsRestoredAndActivatedNotStartedAgain)
{
    auto option = rig.startPeer({"window", kOptionTitle});
    ASSERT_TRUE(option && option->waitForLine("ready", kStartLimit));
    ASSERT_TRUE(rig.runPeer({"post", "273", "6001", "0"}));
    // WM_SYSCOMMAND with SC_RESTORE, then WM_ACTIVATE with WA_ACTIVE.
    ASSERT_TRUE(option->waitForLine("message 6 1 0", kStartLimit));
    const std::vector<std::string> lines = option->lines();
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[lines.size() - 2], "message 274 61728 0");
    EXPECT_TRUE(monitor->waitForLine("CMonitorWnd OnCustomizer hWnd!=NULL", 0ms));

    // Double-click on the tray icon: the same request.
    ASSERT_TRUE(rig.runPeer({"post", "1036", "102", "0x203"}));
    EXPECT_TRUE(option->waitForCount("message 6 1 0", 2, kStartLimit));
    EXPECT_TRUE(monitor->waitForLine("OnSystrayNotify WM_LBUTTONDBLCLK", 0ms));
    EXPECT_FALSE(rig.treeFileExists("option-starts"));
}

TEST_F(MonitorOpensConfiguration, TrayDoubleClickStartsTheApplicationWhenItIsNotRunning)
{
    ASSERT_TRUE(rig.runPeer({"post", "1036", "102", "0x203"}));
    ASSERT_TRUE(waitForFile(rig.treeFile("option-starts"), kStartLimit));
    EXPECT_TRUE(monitor->waitForLine("CMonitorWnd OnCustomizer hWnd==NULL", kStartLimit));
}

}  // namespace
}  // namespace e2e
