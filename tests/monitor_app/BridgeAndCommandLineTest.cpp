#include <gtest/gtest.h>

#include "hidbridge/BridgeLibrary.h"
#include "monitor/app/MonitorApp.h"

namespace monitor::app {
namespace {

using hidbridge::BridgeExports;
using hidbridge::BridgeLibrary;

TEST(BridgeLibraryTest, AMissingLibraryIsReportedNotFatal)
{
    std::string problem;
    EXPECT_EQ(BridgeLibrary::load(std::string(ZURO_TEST_PROGRAMS) + "/no-such/hidbridge.so", problem), nullptr);
    EXPECT_NE(problem.find("hidbridge.so cannot be loaded"), std::string::npos) << problem;
}

TEST(BridgeLibraryTest, ALibraryLackingAnExportIsRefusedByName)
{
    std::string problem;
    EXPECT_EQ(BridgeLibrary::load(ZURO_INCOMPLETE_BRIDGE, problem), nullptr);
    EXPECT_EQ(problem, "hidbridge.so lacks the export GetFeature");
}

TEST(BridgeLibraryTest, TheRealLibraryBindsEveryExport)
{
    std::string problem;
    const auto bridge = BridgeLibrary::load(std::string(ZURO_DIST_DIR) + "/hidbridge.so", problem);
    ASSERT_NE(bridge, nullptr) << problem;
    const BridgeExports& e = bridge->exports();
    EXPECT_TRUE(e.openDevMonitor && e.closeDevMonitor && e.openFeatureDevice && e.closeFeatureDevice &&
                e.setFeature && e.getFeature && e.getMousePid);
}

TEST(MonitorCommandLine, OnlyALeadingOneAsksForTheApplication)
{
    EXPECT_TRUE(asksForApplication(commandLineText({"1"})));
    EXPECT_TRUE(asksForApplication(commandLineText({"12", "x"})));
    EXPECT_FALSE(asksForApplication(commandLineText({})));
    EXPECT_FALSE(asksForApplication(commandLineText({"0"})));
    EXPECT_FALSE(asksForApplication(commandLineText({"x", "1"})));
    EXPECT_EQ(commandLineText({"a", "b c"}), "a b c");
}

}  // namespace
}  // namespace monitor::app
