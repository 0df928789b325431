// The application against the real monitor and the simulated mouse: the main
// window in this process, clicked at its layout coordinates; the simulator's
// report log says what reached the mouse.

#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "AppTestSupport.h"
#include "E2eChecks.h"
#include "MonitorRig.h"
#include "messages/MessageNumbers.h"
#include "option/app/MainWindow.h"
#include "platform/shared/SharedSection.h"
#include "platform/windows/MessageWindow.h"
#include "settings/FixedText.h"
#include "settings/ProfileFile.h"
#include "settings/SettingsBlock.h"

namespace {

using namespace apptest;
using namespace std::chrono_literals;

// Stands in for the on-screen display, to which the monitor posts after every
// apply request it handles.
class OsdWindow final : public platform::MessageHandler {
public:
    OsdWindow() : window_(platform::MessageWindow::create(messages::kOsdWindowTitle, *this)) {}
    bool valid() const { return window_ != nullptr; }
    int settingsNotices() const { return notices_; }
    platform::LResult onMessage(platform::MessageId message, platform::WParam, platform::LParam) override
    {
        notices_ += message == messages::kOsdSettingsChanged;
        return 0;
    }

private:
    std::unique_ptr<platform::MessageWindow> window_;
    int notices_ = 0;
};

class ApplicationE2e : public ::testing::Test {
protected:
    void SetUp() override { furnishInstallFolder(rig.tree()); }

    void startMouseMonitorAndWindow()
    {
        ASSERT_TRUE(rig.startMouse());
        monitor = rig.startMonitor();
        ASSERT_TRUE(monitor && rig.waitForStartupRead());
        window = showMainWindow(rig.tree(), dialogs);
        ASSERT_TRUE(window);
        ASSERT_TRUE(window->core().monitorPresent);
        mark = rig.log().entries().size();
    }

    bool click(std::string_view name, int occurrence = 0)
    {
        return clickAt(window.get(), mainWindowPoint(name, occurrence));
    }

    std::vector<std::string> reportsSinceMark() { return e2e::textsFrom(rig.log().entries(), mark); }

    // The monitor's block as it stands in its section.
    std::unique_ptr<settings::SettingsBlock> sectionBlock()
    {
        const auto section = platform::SharedSection::open(messages::kSharedSectionName, settings::kSettingsBlockSize);
        if (!section)
            return nullptr;
        return std::make_unique<settings::SettingsBlock>(*static_cast<const settings::SettingsBlock*>(section->data()));
    }

    settings::SettingsBlock& working() { return *window->core().blocks.working; }

    e2e::MonitorRig rig;
    std::unique_ptr<testsupport::ChildProcess> monitor;
    ScriptedDialogs dialogs;
    std::unique_ptr<option::app::MainWindow> window;
    std::size_t mark = 0;
};

TEST_F(ApplicationE2e, SlotThreeAppliedSwitchesTheMouseThenHandshakes)
{
    startMouseMonitorAndWindow();
    ASSERT_NE(working().CurrentProfile, 2) << "the simulated mouse starts on another slot";
    ASSERT_TRUE(click("Profile 3"));
    ASSERT_TRUE(click("Apply"));
    ASSERT_TRUE(rig.log().waitUntil([](const auto& entries) { return entries.size() >= 2; }, 5s));
    const std::vector<std::string> reports = reportsSinceMark();
    ASSERT_EQ(reports.size(), 2u) << ::testing::PrintToString(reports);
    EXPECT_EQ(reports[0], "SET 05 03 02");
    EXPECT_EQ(reports[1].substr(0, 6), "GET 04");
    EXPECT_EQ(window->core().blocks.applied->CurrentProfile, 2);
}

TEST_F(ApplicationE2e, CancelAfterAnotherSlotSendsNothingAndKeepsTheActiveProfile)
{
    startMouseMonitorAndWindow();
    const int active = sectionBlock()->CurrentProfile;
    ASSERT_TRUE(click(active == 3 ? "Profile 2" : "Profile 4"));
    ASSERT_TRUE(click("Cancel"));
    EXPECT_FALSE(window->isVisible());
    settle();
    EXPECT_TRUE(reportsSinceMark().empty());
    EXPECT_EQ(sectionBlock()->CurrentProfile, active);
    EXPECT_EQ(std::to_string(active), e2e::iniValue(rig.readTreeFile("config.ini"), "CurrentProfile"));
}

TEST_F(ApplicationE2e, ApplyWithoutEditsStillRequestsAnApplyWithNoFlagsSet)
{
    OsdWindow osd;
    ASSERT_TRUE(osd.valid());
    startMouseMonitorAndWindow();
    ASSERT_TRUE(click("Apply"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return osd.settingsNotices() == 1; }, 5000)) << "the monitor took the request";
    EXPECT_TRUE(reportsSinceMark().empty());
    const auto block = sectionBlock();
    ASSERT_TRUE(block);
    EXPECT_EQ(block->ActiveProfileChangedFlag, 0);
    for (const std::int32_t flag : block->ProfileChangedFlags)
        EXPECT_EQ(flag, 0);
    for (const std::int32_t flag : block->ButtonChangedFlags)
        EXPECT_EQ(flag, 0);
}

TEST_F(ApplicationE2e, ACpiLevelChosenOnTheMouseReachesTheWorkingBlock)
{
    startMouseMonitorAndWindow();
    const int active = working().CurrentProfile;
    ASSERT_TRUE(settings::isValidProfileIndex(active));
    settings::setFieldText(working().Profiles[active].ProFileName, "Edited here");
    ASSERT_NE(working().Profiles[active].Cpi_X, 2);
    ASSERT_TRUE(rig.mouseCommand("event 176 3"));  // CPI level 3 (index 2) on the mouse
    EXPECT_TRUE(QTest::qWaitFor([&] { return working().Profiles[active].Cpi_X == 2; }, 5000));
    EXPECT_EQ(settings::fieldText(working().Profiles[active].ProFileName), "Edited here") << "edits stay";
}

TEST_F(ApplicationE2e, ALoadedProfileRewritesThatSlotsButtonTable)
{
    startMouseMonitorAndWindow();
    const int slot = working().CurrentProfile;
    ASSERT_TRUE(settings::isValidProfileIndex(slot));
    const std::string file = rig.root() + "/saved.vmp";
    ASSERT_TRUE(settings::saveProfileFile(working().Profiles[slot], file));
    dialogs.loadAnswer = QString::fromStdString(file);
    ASSERT_TRUE(click("Load"));
    ASSERT_TRUE(dialogs.failures.empty());
    ASSERT_TRUE(click("Apply"));
    ASSERT_TRUE(rig.log().waitForEntry("SET 07", mark, 5s));
    for (const std::string& report : reportsSinceMark()) {
        if (!report.starts_with("SET 07"))
            continue;
        const std::vector<int> table = e2e::bytesOf(report.substr(4));
        ASSERT_GT(table.size(), 2u);
        EXPECT_EQ(table[2], slot) << "the loaded slot's button table";
    }
}

TEST_F(ApplicationE2e, ASecondStartOpensNoSecondWindow)
{
    for (const char* file : {"ZuroNoxaOption", "libzuroplatform_desktop.so"})
        std::filesystem::copy_file(std::string(ZURO_DIST_DIR) + "/" + file, rig.treeFile(file),
                                   std::filesystem::copy_options::overwrite_existing);
    const std::vector<std::string> environment = {"ZURO_DEBUG=1", "QT_QPA_PLATFORM=xcb"};
    const auto first = testsupport::ChildProcess::start({rig.treeFile("ZuroNoxaOption")}, environment);
    ASSERT_TRUE(first && first->waitForLine("CMainWnd: first paint", 20s));

    const auto second = testsupport::ChildProcess::start({rig.treeFile("ZuroNoxaOption")}, environment);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->waitForExit(10s), 0);
    EXPECT_EQ(second->countLines("another instance runs"), 1u);
    EXPECT_EQ(second->countLines("CMainWnd"), 0u) << "no window of its own";

    // The first one still runs and closes as the monitor closes it.
    const platform::WindowHandle running = platform::findWindow(messages::kOptionWindowTitle);
    ASSERT_NE(running, 0u);
    ASSERT_TRUE(platform::postMessage(running, platform::WM_CLOSE, 0, 0));
    EXPECT_EQ(first->waitForExit(10s), 0);
}

}  // namespace
