// The statistics and update pages without the monitor: views, trophies, level,
// reset, sharing and the support links, on fake web services.

#include <QApplication>
#include <QEnterEvent>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <ctime>
#include <memory>

#include "AppTestSupport.h"
#include "FakeWeb.h"
#include "option/app/LayoutRows.h"
#include "option/app/MainWindow.h"
#include "option/layout/StatisticsPageLayout.h"
#include "option/layout/UpdatePageLayout.h"
#include "option/skin/SkinButton.h"
#include "platform/ini/PrivateProfile.h"
#include "settings/ConfigFile.h"
#include "settings/ConfigKeys.h"
#include "tests/support/TemporaryFolder.h"

namespace {

using namespace apptest;
using option::app::layoutRect;
using option::app::layoutRow;
using option::app::PageId;

class InfoPagesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        furnishInstallFolder(folder.path());
        for (const auto& [key, value] : {std::pair{"CurrentProfile", 0}, {"QuickHelpLan", 1}, {"FWVersion", 105}})
            platform::ini::writeInt(folder.file("config.ini"), settings::kConfigSection, key, value);
    }

    void web(const char* key, const std::string& value)
    {
        platform::ini::writeString(folder.file("config.ini"), "Web", key, value);
    }

    // Counters and trophies 1, 4 and 7 (level 3), first start 49 hours ago.
    void recordUsage()
    {
        settings::InfoData info{};
        info.Counters[0] = 4900;
        info.Counters[9] = 100000;  // inches: 2540 m
        for (const int trophy : {0, 3, 6})
            info.TrophyFlags[trophy] = 1;
        ASSERT_TRUE(settings::writeInfoData(install(), info));
        const std::time_t start = std::time(nullptr) - 49 * 3600;
        std::tm local{};
        localtime_r(&start, &local);
        const std::pair<const char*, int> fields[] = {{"Year", local.tm_year + 1900}, {"Month", local.tm_mon + 1},
                                                      {"Day", local.tm_mday},         {"Hour", local.tm_hour},
                                                      {"Minute", local.tm_min}};
        for (const auto& [key, value] : fields)
            platform::ini::writeInt(folder.file("RunsStart.ini"), "StartTime", key, value);
    }

    settings::InstallFolder install() const { return settings::InstallFolder(folder.folder()); }

    template <typename P>
    P* open(PageId id)
    {
        window = showMainWindow(folder.folder(), dialogs, [this](option::app::MainWindowEnvironment& environment) {
            environment.createPointerSettings = {};
            environment.pages = fake.pages();
        });
        EXPECT_TRUE(window);
        if (!window)
            return nullptr;
        window->selectPage(id);
        settle();
        return qobject_cast<P*>(window->page(id));
    }

    template <std::size_t N>
    static QPoint at(const option::layout::ControlLayout (&table)[N], std::string_view row, int occurrence = 0)
    {
        return layoutRect(layoutRow(table, row, occurrence)).center();
    }

    QString hoverText(QWidget* control)
    {
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QApplication::sendEvent(control, &enter);
        settle();
        const QString text = window->statusLineText();
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(control, &leave);
        return text;
    }

    testsupport::TemporaryFolder folder;
    ScriptedDialogs dialogs;
    FakeWeb fake;
    std::unique_ptr<option::app::MainWindow> window;
};

namespace stats = option::layout::statistics_page;

TEST_F(InfoPagesTest, ViewsDivideByTheHoursAndDaysSinceTheFirstStartAndTrophiesShowTheirLevel)
{
    recordUsage();
    auto* page = open<option::app::StatisticsPage>(PageId::Statistics);
    ASSERT_TRUE(page);
    QStringList shown = page->shownTexts();
    EXPECT_EQ(shown[0], "4900 clicks");
    EXPECT_EQ(shown[5], "4900 clicks");  // the total
    EXPECT_EQ(shown[11], "2540 m");
    EXPECT_EQ(shown.mid(12), QStringList({"1/13", "Level: 3", "Unlocked: 3/13"}));
    saveScreenshot(window.get(), QStringLiteral("statistics_page"));

    ASSERT_TRUE(clickAt(page, at(stats::kControls, "BUTTON_NextStat")));
    EXPECT_EQ(page->shownTexts()[0], "100 clicks");  // 49 hours
    ASSERT_TRUE(clickAt(page, at(stats::kControls, "BUTTON_NextStat")));
    EXPECT_EQ(page->shownTexts()[0], "2450 clicks");  // 2 days
    EXPECT_EQ(page->shownTexts()[11], "1270 m");

    QWidget* picture = page->childAt(at(stats::kControls, "Trophy picture"));
    ASSERT_TRUE(picture);
    EXPECT_EQ(hoverText(picture), "Trophies you unlock by using the mouse");
    const QImage unlocked = qobject_cast<QLabel*>(picture)->pixmap().toImage();
    ASSERT_TRUE(clickAt(page, at(stats::kControls, "BUTTON_NextTrophy")));
    EXPECT_EQ(page->shownTexts()[12], "2/13");
    EXPECT_NE(qobject_cast<QLabel*>(picture)->pixmap().toImage(), unlocked) << "trophy 2 is locked";
}

TEST_F(InfoPagesTest, SharingIsOffWithoutAnAddressAndOnlyAWebAnswerIsOpened)
{
    recordUsage();
    fake.http = std::make_shared<ScriptedHttp>(platform::HttpResult{true, 200, "Thanks! Shared.", {}});
    auto* page = open<option::app::StatisticsPage>(PageId::Statistics);
    ASSERT_TRUE(page);
    auto* share = page->findChildren<option::skin::SkinButton*>()[4];
    EXPECT_FALSE(share->isEnabled());
    EXPECT_EQ(hoverText(page->childAt(at(stats::kControls, "BUTTON_ShareTrophy"))),
              "Sharing is off: this installation has no share address (ShareAddress in config.ini)");

    web("ShareAddress", "https://share.example/t");
    page->refresh();
    ASSERT_TRUE(share->isEnabled());
    QSignalSpy handled(page, &option::app::StatisticsPage::shareHandled);
    ASSERT_TRUE(clickAt(page, at(stats::kControls, "BUTTON_ShareTrophy")));
    ASSERT_TRUE(handled.wait(5000));
    const auto urls = static_cast<ScriptedHttp&>(*fake.http).urls();
    ASSERT_EQ(urls.size(), 1u);
    EXPECT_EQ(urls[0].rfind("https://share.example/t/frontend.en,1,trophy,XQD-40-215,56,", 0), 0u) << urls[0];
    EXPECT_TRUE(fake.opened.empty()) << "a text answer is never handed on";
    ASSERT_EQ(dialogs.failures.size(), 1u);
    EXPECT_EQ(dialogs.failures[0], "The share service did not answer with a web address.");

    // A locked trophy cannot be shared.
    ASSERT_TRUE(clickAt(page, at(stats::kControls, "BUTTON_NextTrophy")));
    EXPECT_FALSE(share->isEnabled());
}

TEST_F(InfoPagesTest, ResetAfterOkZeroesTheCountersAndKeepsTheTrophies)
{
    recordUsage();
    auto* page = open<option::app::StatisticsPage>(PageId::Statistics);
    ASSERT_TRUE(page);
    whenDialogOpens([](QWidget* dialog) { clickAt(dialog, dialogPoint(dialog, "BUTTON_CANCEL")); });
    ASSERT_TRUE(clickAt(page, at(stats::kControls, "BUTTON_TrophyReset")));
    EXPECT_EQ(page->shownTexts()[0], "4900 clicks");

    whenDialogOpens([](QWidget* dialog) {
        saveScreenshot(dialog, QStringLiteral("confirm_reset_statistics"));
        clickAt(dialog, dialogPoint(dialog, "BUTTON_OK"));
    });
    ASSERT_TRUE(clickAt(page, at(stats::kControls, "BUTTON_TrophyReset")));
    const QStringList shown = page->shownTexts();
    EXPECT_EQ(shown[0], "0 clicks");
    EXPECT_EQ(shown[11], "0 m");
    EXPECT_EQ(shown[13], "Level: 3");
    settings::SettingsBlock stored{};
    ASSERT_TRUE(settings::loadAll(stored, install()));
    EXPECT_EQ(stored.InfoData.Counters[0], 0);
    EXPECT_EQ(stored.InfoData.TrophyFlags[3], 1);
    EXPECT_TRUE(dialogs.failures.empty());
}

TEST_F(InfoPagesTest, UpdatePageShowsBothVersionsAndOpensTheSupportAddresses)
{
    web("SupportSite", "https://help.example.org/");
    auto* page = open<option::app::UpdatePage>(PageId::Update);
    ASSERT_TRUE(page);
    EXPECT_EQ(page->softwareVersionText(), "V1.07");
    EXPECT_EQ(page->firmwareVersionText(), "V1.05");
    saveScreenshot(window.get(), QStringLiteral("update_page"));

    namespace update = option::layout::update_page;
    for (const auto& [row, occurrence] : {std::pair{"BUTTON_update", 0}, {"BUTTON_help", 0},
                                          {"BUTTON_Support_Form", 0}, {"BUTTON_Email_Request", 0},
                                          {"BUTTON_Support_Form", 1}})
        ASSERT_TRUE(clickAt(page, at(update::kControls, row, occurrence))) << row;
    EXPECT_EQ(fake.opened, (std::vector<std::string>{"https://help.example.org/Support/Downloads",
                                                     "https://help.example.org/Support/",
                                                     "https://help.example.org/Support/Support/Support-Form/",
                                                     "mailto:support@vantro.example", "mailto:support@vantro.example"}));
    EXPECT_EQ(hoverText(page->childAt(at(update::kControls, "BUTTON_help"))), "Open the support page");
}

}  // namespace
