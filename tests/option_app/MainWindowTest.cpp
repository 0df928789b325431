// The main window without the monitor: its controls at their layout places, the
// slots, the Windows-profile markers, the profile dialog, profile files, the
// language picker and the texts. Clicks land at the layout coordinates.

#include <QApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "AppTestSupport.h"
#include "option/app/EmptyPage.h"
#include "option/app/MainWindow.h"
#include "option/app/ProfileDialog.h"
#include "option/core/TextLibrary.h"
#include "option/skin/BitmapEdit.h"
#include "option/skin/SkinButton.h"
#include "option/skin/SkinImages.h"
#include "platform/ini/PrivateProfile.h"
#include "settings/ConfigKeys.h"
#include "settings/FixedText.h"
#include "settings/ProfileFile.h"
#include "tests/support/TemporaryFolder.h"

namespace {

using namespace apptest;
using option::app::MainWindow;
using option::core::TextId;
using option::skin::SkinButton;

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        furnishInstallFolder(folder.path());
        config("CurrentProfile", 0);
        config("WindowsProfile", -1);
        config("QuickHelpLan", 1);
    }

    void config(const char* key, int value)
    {
        platform::ini::writeInt(folder.file("config.ini"), settings::kConfigSection, key, value);
    }

    void open()
    {
        window = showMainWindow(folder.folder(), dialogs,
                                [](option::app::MainWindowEnvironment& e) { e.createPointerSettings = {}; });
        ASSERT_TRUE(window);
    }

    settings::SettingsBlock& working() { return *window->core().blocks.working; }

    SkinButton* buttonAt(std::string_view name, int occurrence = 0)
    {
        return qobject_cast<SkinButton*>(window->childAt(mainWindowPoint(name, occurrence)));
    }

    bool click(std::string_view name, int occurrence = 0)
    {
        return clickAt(window.get(), mainWindowPoint(name, occurrence));
    }

    QString hoverText(QWidget* control)
    {
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QApplication::sendEvent(control, &enter);
        settle();
        const QString text = window->statusLineText();
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(control, &leave);
        settle();
        return text;
    }

    QString tableText(int language, TextId id)
    {
        const auto library = option::core::loadTextLibrary(settings::InstallFolder(folder.folder()), language);
        return QString::fromStdString(std::string(library.text(id).value_or("missing")));
    }

    testsupport::TemporaryRuntimeFolder runtime;
    testsupport::TemporaryFolder folder{"zuro-app"};
    testsupport::ScopedEnv registry{"XDG_CONFIG_HOME", folder.file("xdg")};
    ScriptedDialogs dialogs;
    std::unique_ptr<MainWindow> window;
};

TEST_F(MainWindowTest, EveryControlSitsAtItsLayoutPlaceAndTabsSwitchPages)
{
    config("LiftOnFlag", 1);
    open();
    for (const char* name : {"Main", "Trophy", "Create", "Edit", "Profile 1", "Profile 5", "Profile 3 Color",
                             "Profile 2 name", "button language", "Min", "Exit", "OK", "Apply", "Cancel"})
        EXPECT_TRUE(buttonAt(name)) << name;
    for (int marker = 0; marker < 5; ++marker)
        EXPECT_TRUE(buttonAt("windows profile", marker)) << marker;
    const QWidget* shown = window->childAt(mainWindowPoint("Page position"));
    const QWidget* mainPage = window->page(option::app::PageId::MainSettings);
    EXPECT_TRUE(shown && mainPage && (shown == mainPage || mainPage->isAncestorOf(shown)));
    const auto liftOnPictures = [&] {
        int shown = 0;
        for (const QLabel* label : window->findChildren<QLabel*>())
            shown += label->isVisible() && label->geometry().contains(20, 40);
        return shown;
    };
    EXPECT_EQ(liftOnPictures(), 1) << "the LiftOnFlag picture shows";
    EXPECT_TRUE(buttonAt("Main")->isOn());
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(buttonAt("Apply"), &enter);
    settle();
    saveScreenshot(window.get(), "main-window");

    ASSERT_TRUE(click("Color"));
    EXPECT_EQ(window->shownPage(), option::app::PageId::Lighting);
    EXPECT_TRUE(window->page(option::app::PageId::Lighting)->isVisible());
    EXPECT_FALSE(window->page(option::app::PageId::MainSettings)->isVisible());
    EXPECT_TRUE(buttonAt("Color")->isOn());
    EXPECT_FALSE(buttonAt("Main")->isOn());

    // The table's texts replace the layout strings' ("Color Setting" on this tab).
    EXPECT_EQ(hoverText(buttonAt("Trophy")), tableText(1, TextId::TabTrophy));
    EXPECT_EQ(hoverText(buttonAt("windows profile", 2)), tableText(1, TextId::WindowsProfileMarker));
    EXPECT_EQ(hoverText(buttonAt("button language")), " ");
}

TEST_F(MainWindowTest, ASelectedSlotIsMarkedAndAppliedToTheFilesWithoutAMonitor)
{
    open();
    ASSERT_TRUE(click("Profile 3"));
    EXPECT_EQ(working().CurrentProfile, 2);
    EXPECT_TRUE(buttonAt("Profile 3")->isOn());
    EXPECT_TRUE(buttonAt("Profile 3 name")->isOn());
    EXPECT_FALSE(buttonAt("Profile 1")->isOn());
    EXPECT_EQ(platform::ini::readInt(folder.file("config.ini"), settings::kConfigSection, "CurrentProfile", -1), 0)
        << "nothing is written before Apply";

    ASSERT_TRUE(click("Apply"));
    EXPECT_EQ(platform::ini::readInt(folder.file("config.ini"), settings::kConfigSection, "CurrentProfile", -1), 2);
    EXPECT_EQ(window->statusLineText(), tableText(1, TextId::ApplyWithoutMonitor));
    EXPECT_TRUE(buttonAt("Apply")->isEnabled());
}

TEST_F(MainWindowTest, WindowsProfileMarkerAsksBeforeSettingAndClearsAtOnce)
{
    open();
    QString shownNumber;
    whenDialogOpens([&](QWidget* dialog) {
        shownNumber = dialog->findChild<QLabel*>("profileNumber")->text();
        clickAt(dialog, dialogPoint(dialog, "BUTTON_CANCEL"));
    });
    ASSERT_TRUE(click("windows profile", 1));
    EXPECT_EQ(shownNumber, "2");
    EXPECT_EQ(working().WindowsProfile, -1) << "cancelled";

    whenDialogOpens([&](QWidget* dialog) {
        saveScreenshot(dialog, "windows-profile-confirmation");
        clickAt(dialog, dialogPoint(dialog, "BUTTON_OK"));
    });
    ASSERT_TRUE(click("windows profile", 1));
    EXPECT_EQ(working().WindowsProfile, 1);
    EXPECT_TRUE(buttonAt("windows profile", 1)->isOn());

    bool asked = false;
    whenDialogOpens([&](QWidget* dialog) {
        asked = true;
        clickAt(dialog, dialogPoint(dialog, "BUTTON_OK"));
    });
    ASSERT_TRUE(click("windows profile", 1));
    settle();
    EXPECT_FALSE(asked) << "clearing asks nothing";
    EXPECT_EQ(working().WindowsProfile, -1);
}

TEST_F(MainWindowTest, ProfileDialogStoresNameAndGamesOnlyOnOk)
{
    open();
    settings::setFieldText(working().Profiles[0].ProFileName, "Default");
    QString shownName;
    whenDialogOpens([&](QWidget* dialog) {
        auto* name = static_cast<option::skin::BitmapEdit*>(dialog->childAt(dialogPoint(dialog, "EDIT_PROFILE_NAME")));
        shownName = name->text();
        name->setText("Racing");
        dialogs.programAnswer = "/usr/games/racer";
        clickAt(dialog, dialogPoint(dialog, "BUTTON_BROWER", 1));
        saveScreenshot(dialog, "profile-dialog");
        clickAt(dialog, dialogPoint(dialog, "BUTTON_OK"));
    });
    ASSERT_TRUE(click("Edit"));
    EXPECT_EQ(shownName, "Default");
    EXPECT_EQ(settings::fieldText(working().Profiles[0].ProFileName), "Racing");
    EXPECT_EQ(settings::fieldText(working().Profiles[0].GameFile1), "/usr/games/racer");
    EXPECT_EQ(buttonAt("Profile 1 name")->caption(), "Racing");

    // 300 letters of two bytes each: within the field's characters, beyond its bytes.
    whenDialogOpens([&](QWidget* dialog) {
        shownName = static_cast<option::app::ProfileDialog*>(dialog)->identity().name.c_str();
        auto* path = static_cast<option::skin::BitmapEdit*>(dialog->childAt(dialogPoint(dialog, "EDIT_PATH_TOEXECUTEABLE")));
        path->setText(QString(300, QChar(0xE9)));
        clickAt(dialog, dialogPoint(dialog, "BUTTON_OK"));
    });
    ASSERT_TRUE(click("Create"));
    EXPECT_EQ(shownName, "") << "Create starts empty";
    ASSERT_EQ(dialogs.failures.size(), 1u);
    EXPECT_EQ(dialogs.failures[0], tableText(1, TextId::ProfileTextTooLong));
    EXPECT_EQ(settings::fieldText(working().Profiles[0].ProFileName), "Racing") << "nothing changed";
}

TEST_F(MainWindowTest, SaveAndLoadGoThroughProfileFiles)
{
    open();
    settings::setFieldText(working().Profiles[0].ProFileName, "Shooter");
    working().Profiles[0].CpiLevel_X[1] = 44;
    const std::string saved = folder.file("out/shooter.vmp");
    std::filesystem::create_directories(folder.file("out"));
    dialogs.saveAnswer = QString::fromStdString(saved);
    ASSERT_TRUE(click("Save"));
    EXPECT_EQ(dialogs.saveSuggestion.toStdString(), folder.folder() + "config/Shooter.vmp");
    EXPECT_TRUE(std::filesystem::exists(saved));
    EXPECT_TRUE(std::filesystem::exists(folder.file("config/shooter.vmp")));
    EXPECT_EQ(platform::ini::readString(folder.file("config.ini"), "Profile1", "FileName", ""), "shooter");

    ASSERT_TRUE(click("Profile 4"));
    dialogs.loadAnswer = QString::fromStdString(saved);
    ASSERT_TRUE(click("Load"));
    EXPECT_EQ(dialogs.loadFolder.toStdString(), folder.folder() + "config/");
    EXPECT_EQ(working().Profiles[3].CpiLevel_X[1], 44);
    EXPECT_EQ(buttonAt("Profile 4 name")->caption(), "Shooter");
    for (int slot = 0; slot < settings::kButtonSlotCount; ++slot)
        EXPECT_EQ(working().ButtonChangedFlags[3 * settings::kButtonSlotCount + slot], 1) << slot;

    testsupport::writeFile(folder.file("out/notes.vmp"), "not a profile\n");
    dialogs.loadAnswer = QString::fromStdString(folder.file("out/notes.vmp"));
    ASSERT_TRUE(click("Load"));
    ASSERT_EQ(dialogs.failures.size(), 1u);
    EXPECT_EQ(dialogs.failures[0], tableText(1, TextId::ProfileLoadFailed));
    EXPECT_EQ(working().Profiles[3].CpiLevel_X[1], 44) << "nothing changed";
}

TEST_F(MainWindowTest, LanguagePickerOpensAboveTheButtonAndSwitchesTexts)
{
    open();
    SkinButton* language = buttonAt("button language");
    ASSERT_TRUE(language);
    QPoint pickerAt;
    whenDialogOpens([&](QWidget* picker) {
        pickerAt = picker->pos();
        saveScreenshot(picker, "language-picker");
        clickAt(picker, dialogPoint(picker, "L5"));
    });
    ASSERT_TRUE(click("button language"));
    EXPECT_EQ(pickerAt, language->mapToGlobal(QPoint(0, -289)));
    EXPECT_EQ(working().QuickHelpLan, 4);
    EXPECT_EQ(hoverText(buttonAt("Apply")), tableText(4, TextId::Apply));
    EXPECT_EQ(language->faces().normal, option::skin::loadProgramImage("skin/common/flag_4.png"));

    whenDialogOpens([&](QWidget* picker) { picker->close(); });
    ASSERT_TRUE(click("button language"));
    EXPECT_EQ(working().QuickHelpLan, 4) << "closing the picker chooses nothing";
}

TEST_F(MainWindowTest, ALanguageIndexWithoutATableShowsEnglish)
{
    config("QuickHelpLan", 17);
    open();
    EXPECT_EQ(hoverText(buttonAt("Trophy")), tableText(1, TextId::TabTrophy));
    EXPECT_EQ(buttonAt("button language")->faces().normal, option::skin::loadProgramImage("skin/common/flag_1.png"));
}

TEST(QtSystemDialogs, AFailureIsShownInAMessageBox)
{
    const std::unique_ptr<option::app::SystemDialogs> dialogs = option::app::createQtSystemDialogs();
    QString shown;
    whenDialogOpens([&](QWidget* box) {
        saveScreenshot(box, "failure-message");
        shown = box->findChild<QLabel*>("qt_msgbox_label")->text();
        box->close();
    });
    dialogs->showFailure(nullptr, "The profile could not be saved to this file.", "/nowhere/x.vmp: cannot be written");
    EXPECT_EQ(shown, "The profile could not be saved to this file.");
}

}  // namespace
