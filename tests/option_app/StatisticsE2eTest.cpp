// The statistics page against the monitor and the simulated mouse: counted
// events reach the page, a reset reaches the monitor, and a share goes to an
// HTTP server of the test whose address answer is handed to the (faked) opener.

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

#include "AppTestSupport.h"
#include "FakeWeb.h"
#include "MonitorRig.h"
#include "messages/MessageNumbers.h"
#include "option/app/LayoutRows.h"
#include "option/app/MainWindow.h"
#include "option/layout/StatisticsPageLayout.h"
#include "platform/ini/PrivateProfile.h"
#include "platform/shared/SharedSection.h"
#include "settings/SettingsBlock.h"
#include "tests/support/LocalHttpServer.h"

namespace {

using namespace apptest;
using namespace std::chrono_literals;
using option::app::PageId;
using option::app::StatisticsPage;

constexpr int kClickEvent = 0xE1;
constexpr int kEventCounterAEvent = 0xED;

QPoint at(std::string_view row)
{
    return option::app::layoutRect(option::app::layoutRow(option::layout::statistics_page::kControls, row)).center();
}

settings::InfoData sectionStatistics()
{
    const auto section = platform::SharedSection::open(messages::kSharedSectionName, settings::kSettingsBlockSize);
    return section ? static_cast<const settings::SettingsBlock*>(section->data())->InfoData : settings::InfoData{};
}

TEST(StatisticsE2e, CountedClicksShowResetReachesTheMonitorAndASharedTrophyOpensItsPage)
{
    e2e::MonitorRig rig;
    furnishInstallFolder(rig.tree());
    testsupport::LocalHttpServer server(testsupport::LocalHttpServer::ok("http://127.0.0.1/trophies/57\n"));
    platform::ini::writeString(rig.treeFile("config.ini"), "Web", "ShareAddress", server.base() + "share");
    ASSERT_TRUE(rig.startMouse());
    const auto monitor = rig.startMonitor();
    ASSERT_TRUE(monitor && rig.waitForStartupRead());

    FakeWeb web;
    web.http = option::app::systemWebServices().http;
    ScriptedDialogs dialogs;
    option::app::MainWindowEnvironment environment;
    environment.folder = settings::InstallFolder(rig.tree());
    environment.dialogs = &dialogs;
    environment.pages = web.pages();
    option::app::MainWindow window(std::move(environment));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.selectPage(PageId::Statistics);
    auto* page = qobject_cast<StatisticsPage*>(window.page(PageId::Statistics));
    ASSERT_TRUE(page);
    const int clicks = window.core().blocks.working->InfoData.Counters[0];
    const int level = page->shownLevel();

    ASSERT_TRUE(rig.mouseCommand("event " + std::to_string(kClickEvent) + " 1200"));
    const QString expected = QString::number(clicks + 1200) + " clicks";
    EXPECT_TRUE(QTest::qWaitFor([&] { return page->shownTexts()[0] == expected; }, 5000))
        << page->shownTexts()[0].toStdString() << ", not " << expected.toStdString();

    // Trophy 1 (1000 uses of the special functions) unlocks the share.
    ASSERT_TRUE(rig.mouseCommand("event " + std::to_string(kEventCounterAEvent) + " 1000"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return page->shownLevel() >= 1; }, 5000));
    const int unlockedLevel = page->shownLevel();
    ASSERT_GT(unlockedLevel, level);
    saveScreenshot(&window, QStringLiteral("statistics_page_monitor"));

    QSignalSpy handled(page, &StatisticsPage::shareHandled);
    ASSERT_TRUE(clickAt(page, at("BUTTON_ShareTrophy")));
    ASSERT_TRUE(handled.wait(10000));
    const auto request = server.waitForRequestLine(1s);
    ASSERT_TRUE(request);
    EXPECT_EQ(request->rfind("GET /share/frontend.en,1,trophy,XQD-40-215,56,", 0), 0u) << *request;
    EXPECT_EQ(web.opened, std::vector<std::string>{"http://127.0.0.1/trophies/57"});
    EXPECT_TRUE(dialogs.failures.empty());

    whenDialogOpens([](QWidget* dialog) { clickAt(dialog, dialogPoint(dialog, "BUTTON_OK")); });
    ASSERT_TRUE(clickAt(page, at("BUTTON_TrophyReset")));
    EXPECT_EQ(page->shownTexts()[0], "0 clicks");
    EXPECT_EQ(page->shownLevel(), unlockedLevel);
    // The monitor counts on from the reset block, not from its own old one.
    ASSERT_TRUE(rig.mouseCommand("event " + std::to_string(kClickEvent) + " 5"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return page->shownTexts()[0] == "5 clicks"; }, 5000))
        << page->shownTexts()[0].toStdString();
    EXPECT_EQ(sectionStatistics().Counters[0], 5);
    EXPECT_EQ(sectionStatistics().TrophyFlags[0], 1);
}

}  // namespace
