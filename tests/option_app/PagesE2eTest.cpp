// The main settings, advanced and lighting pages and the Padtune wizard against
// the real monitor and the simulated mouse: the pages are driven in process, the
// simulator's report log says what reached the mouse, byte for byte.

#include <QApplication>
#include <QStyleHints>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

#include "AppTestSupport.h"
#include "E2eChecks.h"
#include "MonitorRig.h"
#include "option/app/AdvancedPage.h"
#include "option/app/CpiLevelRow.h"
#include "option/app/DoubleClickTest.h"
#include "option/app/LightingPage.h"
#include "option/app/MainSettingsPage.h"
#include "option/app/MainWindow.h"
#include "option/app/PageControls.h"
#include "option/layout/AdvancedPageLayout.h"
#include "option/skin/AnimationControl.h"
#include "option/skin/ColorSwatchButton.h"
#include "option/skin/NumberSpin.h"
#include "option/skin/BitmapEdit.h"
#include "option/skin/SkinButton.h"
#include "option/skin/SkinSlider.h"
#include "platform/ini/PrivateProfile.h"
#include "settings/BlockDefaults.h"
#include "settings/ConfigKeys.h"
#include "settings/ProfileFile.h"
#include "settings/SettingsBlock.h"
#include "tests/support/TemporaryFolder.h"

namespace {

using namespace apptest;
using namespace std::chrono_literals;
using option::app::PageId;

// Report 6 (profile settings): where the tested values lie.
constexpr std::size_t kCpiXByte = 7;
constexpr std::size_t kCpiYByte = 13;
constexpr std::size_t kPollingByte = 19;
constexpr std::size_t kColourIndexByte = 25;
constexpr std::size_t kRedByte = 26;

QPoint advancedPoint(std::string_view name)
{
    return option::app::layoutRect(option::app::layoutRow(option::layout::advanced_page::kControls, name)).center();
}

class PagesE2e : public ::testing::Test {
protected:
    void SetUp() override
    {
        furnishInstallFolder(rig.tree());
        ASSERT_TRUE(rig.startMouse());
        monitor = rig.startMonitor();
        ASSERT_TRUE(monitor && rig.waitForStartupRead());
        window = showMainWindow(rig.tree(), dialogs);
        ASSERT_TRUE(window);
        ASSERT_TRUE(window->core().monitorPresent);
        ASSERT_NE(settings::activeProfile(working()), nullptr);
        mark = rig.log().entries().size();
    }

    settings::SettingsBlock& working() { return *window->core().blocks.working; }
    settings::ProfileRecord& profile() { return *settings::activeProfile(working()); }

    template <typename PageType>
    PageType* showPage(PageId id)
    {
        window->selectPage(id);
        settle();
        return dynamic_cast<PageType*>(window->page(id));
    }

    bool click(QWidget* control)
    {
        if (!control || !control->isEnabled())
            return false;
        QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
        settle();
        return true;
    }

    // Applies and returns the one report 6 the mouse then received.
    std::vector<int> applyForOneSettingsReport()
    {
        if (!clickAt(window.get(), mainWindowPoint("Apply")) || !rig.log().waitForEntry("SET 06", mark, 5s))
            return {};
        std::vector<int> found;
        int count = 0;
        for (const std::string& text : e2e::textsFrom(rig.log().entries(), mark))
            if (text.starts_with("SET 06") && ++count == 1)
                found = e2e::bytesOf(text.substr(4));
        EXPECT_EQ(count, 1) << "one report 6";
        return found;
    }

    e2e::MonitorRig rig;
    std::unique_ptr<testsupport::ChildProcess> monitor;
    ScriptedDialogs dialogs;
    std::unique_ptr<option::app::MainWindow> window;
    std::size_t mark = 0;
};

TEST_F(PagesE2e, CpiXOnALinkedRowMovesYAndSendsOneReport)
{
    auto* page = showPage<option::app::MainSettingsPage>(PageId::MainSettings);
    ASSERT_TRUE(page);
    saveScreenshot(page, QStringLiteral("main_settings_page"));
    option::app::CpiLevelRow* row = page->cpiRow(1);
    if (profile().dpi[1] != 1) {
        ASSERT_TRUE(click(row->enableBox()));
    }
    if (profile().XYCpiFlag[1] != 1) {
        ASSERT_TRUE(click(row->linkBox()));
    }
    const int before = profile().CpiLevel_X[1];
    // A click on the track far from the thumb.
    option::skin::SkinSlider* slider = row->xSlider();
    const QRect track = slider->trackRect();
    const bool left = slider->thumbRect().center().x() > track.center().x();
    QTest::mouseClick(slider, Qt::LeftButton, {},
                      QPoint(track.left() + track.width() * (left ? 1 : 9) / 10, track.center().y()));
    settle();
    const int after = profile().CpiLevel_X[1];
    ASSERT_NE(after, before);
    EXPECT_EQ(profile().CpiLevel_Y[1], after) << "linked";
    EXPECT_EQ(row->ySpin()->value(), after * 100);

    const std::vector<int> report = applyForOneSettingsReport();
    ASSERT_GT(report.size(), kCpiYByte + 1);
    EXPECT_EQ(report[kCpiXByte + 1], after * 2);
    EXPECT_EQ(report[kCpiYByte + 1], after * 2);
}

TEST_F(PagesE2e, TypedResolutionAboveTheRangeShowsTheMaximumAndIsSent)
{
    auto* page = showPage<option::app::MainSettingsPage>(PageId::MainSettings);
    ASSERT_TRUE(page);
    const int level = profile().Cpi_X;  // the active level is always on
    ASSERT_TRUE(level >= 0 && level < 5);
    ASSERT_NE(profile().CpiLevel_X[level], 50);
    option::skin::NumberSpin* spin = page->cpiRow(level)->xSpin();
    spin->edit()->setFocus();
    spin->edit()->selectAll();
    QTest::keyClicks(spin->edit(), "7000");
    QTest::keyClick(spin->edit(), Qt::Key_Return);
    settle();
    EXPECT_EQ(spin->edit()->text(), "5000");
    EXPECT_EQ(profile().CpiLevel_X[level], 50);
    const std::vector<int> report = applyForOneSettingsReport();
    ASSERT_GT(report.size(), kCpiXByte + 4);
    EXPECT_EQ(report[kCpiXByte + static_cast<std::size_t>(level)], 100);
}

TEST_F(PagesE2e, PollingRateAppliedReachesTheMouse)
{
    auto* page = showPage<option::app::AdvancedPage>(PageId::Advanced);
    ASSERT_TRUE(page);
    saveScreenshot(page, QStringLiteral("advanced_page"));
    ASSERT_NE(profile().PollingRate, 2);
    ASSERT_TRUE(clickAt(page, advancedPoint("500Hz")));
    settle();
    EXPECT_EQ(profile().PollingRate, 2);
    const std::vector<int> report = applyForOneSettingsReport();
    ASSERT_GT(report.size(), kPollingByte);
    EXPECT_EQ(report[kPollingByte], 2);
}

TEST_F(PagesE2e, PaletteSwatchForAllRecordsReachesMouseAndProfileFile)
{
    // The profile is taken to hold palette colour 0 in every record, so swatch 7
    // is a change whatever the simulated mouse started with.
    for (settings::SettingsBlock* block : {&working(), window->core().blocks.applied.get()}) {
        settings::ProfileRecord& edited = block->Profiles[working().CurrentProfile];
        edited.UseColorForAll = 1;
        edited.LtChoseType = 0;
        for (settings::ColorRecord& record : edited.LightInfo)
            record = {0, record.On, 5, 144, 254};
    }
    auto* page = showPage<option::app::LightingPage>(PageId::Lighting);
    ASSERT_TRUE(page);
    EXPECT_TRUE(page->swatch(0)->isOn());
    ASSERT_TRUE(click(page->swatch(7)));
    EXPECT_TRUE(page->swatch(7)->isOn());
    EXPECT_FALSE(page->swatch(0)->isOn());
    const std::string indicator = "Profile " + std::to_string(working().CurrentProfile + 1) + " Color";
    const auto* slotColour = qobject_cast<option::skin::ColorSwatchButton*>(window->childAt(mainWindowPoint(indicator)));
    ASSERT_TRUE(slotColour);
    EXPECT_EQ(slotColour->colour(), QColor(255, 0, 0)) << "the slot's indicator follows";
    saveScreenshot(page, QStringLiteral("lighting_page"));
    const std::vector<int> report = applyForOneSettingsReport();
    ASSERT_GT(report.size(), kRedByte);
    EXPECT_EQ(report[kColourIndexByte], 7);
    EXPECT_EQ(report[kRedByte], 255);

    settings::ProfileRecord saved;
    ASSERT_TRUE(settings::loadProfileFile(saved, settings::InstallFolder(rig.tree()).profileFile(working().CurrentProfile)));
    for (const settings::ColorRecord& record : saved.LightInfo) {
        EXPECT_EQ(record.TableIndex, 7);
        EXPECT_EQ(record.Red, 255);
    }
}

TEST_F(PagesE2e, ResetConfirmedRestoresTheMouseAndShowsTheDefaults)
{
    auto* main = showPage<option::app::MainSettingsPage>(PageId::MainSettings);
    auto* page = showPage<option::app::AdvancedPage>(PageId::Advanced);
    ASSERT_TRUE(main && page);
    profile().Sensitivity = 2;
    main->refresh();
    whenDialogOpens([](QWidget* dialog) {
        saveScreenshot(dialog, QStringLiteral("reset_confirmation"));
        clickAt(dialog, dialogPoint(dialog, "BUTTON_OK"));
    });
    ASSERT_TRUE(clickAt(page, advancedPoint("BUTTON_Reset")));
    ASSERT_TRUE(rig.log().waitForEntry("SET 09", mark, 5s));

    settings::SettingsBlock defaults;
    settings::createDefaultBlock(defaults);
    ASSERT_TRUE(settings::isValidProfileIndex(working().CurrentProfile));
    const settings::ProfileRecord& expected = defaults.Profiles[working().CurrentProfile];
    EXPECT_EQ(profile().Sensitivity, expected.Sensitivity);
    EXPECT_EQ(main->sensitivitySlider()->value(), expected.Sensitivity);
    EXPECT_EQ(main->sensitivitySpin()->value(), expected.Sensitivity - 6);
}

TEST_F(PagesE2e, PadtuneLevelAcceptedStartsThenKeepsTheCalibration)
{
    auto* page = showPage<option::app::AdvancedPage>(PageId::Advanced);
    ASSERT_TRUE(page);
    ASSERT_NE(working().DisControl, 2);
    // Ten seconds of calibration and the countdown pass a hundred times faster.
    page->setPadtuneClock([](std::function<void()> fired) {
        return std::make_unique<option::app::QtWizardTimer>(std::move(fired), 100);
    });
    whenDialogOpens([](QWidget* start) {
        ASSERT_EQ(start->objectName(), "PadtuneStartDialog");
        clickAt(start, dialogPoint(start, "BUTTON_OK"));
        saveScreenshot(start, QStringLiteral("padtune_start"));
    });
    QTimer accept;
    bool accepted = false;
    QObject::connect(&accept, &QTimer::timeout, [&] {
        QWidget* result = QApplication::activeModalWidget();
        if (accepted || !result || result->objectName() != "PadtuneResultDialog")
            return;
        accepted = true;
        saveScreenshot(result, QStringLiteral("padtune_result"));
        clickAt(result, dialogPoint(result, "Accept"));
    });
    accept.start(5);
    ASSERT_TRUE(clickAt(page, advancedPoint("low")));
    EXPECT_TRUE(accepted);
    EXPECT_EQ(working().DisControl, 2);
    EXPECT_EQ(e2e::iniValue(rig.readTreeFile("config.ini"), "DisControl"), "2");
    ASSERT_TRUE(rig.log().waitForEntry("SET 0F 06 02 FF FF 01", mark, 5s));
    std::vector<std::string> tracking;
    for (const std::string& text : e2e::textsFrom(rig.log().entries(), mark))
        if (text.starts_with("SET 0F"))
            tracking.push_back(text);
    EXPECT_EQ(tracking, (std::vector<std::string>{"SET 0F 06 02 FF FF FF", "SET 0F 06 02 FF FF 01"}));
}

// Without the monitor: what the double-click slider hands the desktop, and the
// test area's clip.
class RecordingPointer final : public platform::PointerSettings {
public:
    explicit RecordingPointer(std::vector<int>& times) : times_(times) {}
    bool setDoubleClickTime(int milliseconds) override
    {
        times_.push_back(milliseconds);
        return true;
    }
    bool setMouseAcceleration(int, int, int) override { return true; }
    bool setPointerSpeed(int) override { return true; }
    bool setWheelScrollLines(int) override { return true; }
    bool setWheelScrollChars(int) override { return true; }
    bool setMouseTrails(int) override { return true; }

private:
    std::vector<int>& times_;
};

TEST(MainSettingsPageAlone, DoubleClickTimeReachesTheDesktopAtOnceAndTheTestClipPlaysOnce)
{
    testsupport::TemporaryFolder folder;
    furnishInstallFolder(folder.path());
    platform::ini::writeInt(folder.file("config.ini"), settings::kConfigSection, "CurrentProfile", 0);
    std::vector<int> times;
    ScriptedDialogs dialogs;
    option::app::MainWindowEnvironment environment;
    environment.folder = settings::InstallFolder(folder.folder());
    environment.dialogs = &dialogs;
    environment.createPointerSettings = [&times] { return std::make_unique<RecordingPointer>(times); };
    option::app::MainWindow window(std::move(environment));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto* page = dynamic_cast<option::app::MainSettingsPage*>(window.page(PageId::MainSettings));
    ASSERT_TRUE(page);

    option::skin::SkinSlider* slider = page->doubleClickSlider();
    const QRect track = slider->trackRect();
    QTest::mouseClick(slider, Qt::LeftButton, {}, QPoint(track.right() - 1, track.center().y()));
    settle();
    ASSERT_FALSE(times.empty());
    EXPECT_EQ(times.back(), 200) << "position 11, before any apply";
    EXPECT_EQ(QGuiApplication::styleHints()->mouseDoubleClickInterval(), 200);
    EXPECT_EQ(settings::activeProfile(*window.core().blocks.working)->DbleClickSpeed, 200);

    option::app::DoubleClickTest* area = page->doubleClickTest();
    EXPECT_EQ(area->clip(), nullptr);
    QTest::mouseDClick(area, Qt::LeftButton);
    ASSERT_NE(area->clip(), nullptr);
    EXPECT_EQ(area->doubleClicks(), 1);
    ASSERT_GT(area->clip()->frameCount(), 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !area->clip()->isPlaying(); }, 5000));
    EXPECT_EQ(area->clip()->currentFrame(), area->clip()->frameCount() - 1) << "stops on its last frame";
}

}  // namespace
