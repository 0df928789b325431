// The button page, the macro manager and the small dialogs without a monitor:
// menus built for the slot, the dialogs they open, and the keys a fake keyboard
// grab hands them. Screenshots of each window are saved for a look.

// Before Qt, whose "slots" macro would empty a field of the function catalogue.
#include "settings/FunctionCodes.h"

#include <QApplication>
#include <QTimer>
#include <QListWidget>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

#include "AppTestSupport.h"
#include "tests/fakes/RecordingKeyboardGrab.h"
#include "option/app/ButtonPage.h"
#include "option/app/GrabKeySource.h"
#include "option/app/KeySequencePanel.h"
#include "option/app/MacroManagerDialog.h"
#include "option/app/MainWindow.h"
#include "option/app/ShortcutDialog.h"
#include "option/app/TimelinePanel.h"
#include "option/app/TimerDialogs.h"
#include "option/skin/BitmapEdit.h"
#include "option/skin/NumberSpin.h"
#include "option/skin/SkinButton.h"
#include "option/app/MacroSetNameDialog.h"
#include "platform/ini/PrivateProfile.h"
#include "settings/ConfigKeys.h"
#include "settings/FixedText.h"
#include "settings/MacroStore.h"
#include "settings/SettingsBlock.h"
#include "settings/ShortcutKey.h"
#include "tests/support/TemporaryFolder.h"

namespace {

using namespace apptest;
using option::app::ButtonPage;

constexpr std::uint8_t kVkLeftShift = 0xA0;

class ButtonPageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        furnishInstallFolder(folder.path());
        platform::ini::writeInt(folder.file("config.ini"), settings::kConfigSection, "CurrentProfile", 0);
    }

    void open()
    {
        window = showMainWindow(folder.folder(), dialogs, [this](option::app::MainWindowEnvironment& environment) {
            environment.createPointerSettings = {};
            environment.pages[static_cast<std::size_t>(option::app::PageId::Buttons)] =
                [this](QWidget* parent, option::app::PageHost& host) -> option::app::Page* {
                auto grab = std::make_unique<fakes::RecordingKeyboardGrab>();
                keyboard = grab.get();
                auto keys = std::make_unique<option::app::GrabKeySource>(std::move(grab));
                source = keys.get();
                return new ButtonPage(parent, host, std::move(keys));
            };
        });
        ASSERT_TRUE(window);
        ASSERT_TRUE(clickAt(window.get(), mainWindowPoint("Button Assign")));
        page = qobject_cast<ButtonPage*>(window->page(option::app::PageId::Buttons));
        ASSERT_TRUE(page);
    }

    settings::ProfileRecord& profile() { return *settings::activeProfile(*window->core().blocks.working); }

    // Keys typed on the grabbed keyboard, handed over as the display would.
    void type(std::initializer_list<std::pair<std::uint8_t, bool>> keys, std::uint32_t step = 50)
    {
        for (const auto& [key, released] : keys)
            keyboard->queue(key, released, time += step);
        source->deliverWaitingKeys();
    }

    // Opens the slot's menu and hands it to `inMenu`.
    void withMenu(int slot, std::function<void(QWidget*)> inMenu)
    {
        whenDialogOpens(std::move(inMenu));
        page->clickSlot(slot);
    }

    // Chooses `item` of the slot's menu and answers the dialog it opens.
    void throughMenu(int slot, const QString& item, std::function<void(QWidget*)> answer)
    {
        withMenu(slot, [item, answer = std::move(answer)](QWidget* menu) {
            EXPECT_TRUE(chooseMenuItem(menu, item)) << item.toStdString();
            whenDialogOpens(answer);
        });
    }

    testsupport::TemporaryRuntimeFolder runtime;
    testsupport::TemporaryFolder folder{"zuro-buttons"};
    testsupport::ScopedEnv registry{"XDG_CONFIG_HOME", folder.file("xdg")};
    ScriptedDialogs dialogs;
    std::unique_ptr<option::app::MainWindow> window;
    ButtonPage* page = nullptr;
    fakes::RecordingKeyboardGrab* keyboard = nullptr;
    option::app::GrabKeySource* source = nullptr;
    std::uint32_t time = 1000;
};

TEST_F(ButtonPageTest, MenusFollowTheSlotAndAssignTheirChoice)
{
    open();
    bool opened = false;
    withMenu(0, [&](QWidget* menu) { opened = menu != nullptr, menu->close(); });
    settle();
    EXPECT_FALSE(opened) << "slot 0 keeps Click";

    QStringList slotThree;
    withMenu(3, [&](QWidget* menu) {
        for (QAction* action : qobject_cast<QMenu*>(menu)->actions())
            slotThree << action->text();
        saveScreenshot(window.get(), "buttons-page");
        saveScreenshot(menu, "buttons-menu-slot-4");
        EXPECT_TRUE(chooseMenuItem(menu, "DPI Up"));
    });
    EXPECT_TRUE(slotThree.contains("Pinpoint") && slotThree.contains("VANTRO Parley")) << slotThree.join('|').toStdString();
    EXPECT_EQ(page->slotButton(3)->caption(), "DPI Up");

    QStringList slotFourteen;
    withMenu(14, [&](QWidget* menu) {
        for (QAction* action : qobject_cast<QMenu*>(menu)->actions())
            slotFourteen << action->text();
        menu->close();
    });
    EXPECT_FALSE(slotFourteen.contains("Pinpoint") || slotFourteen.contains("VANTRO Parley")) << slotFourteen.join('|').toStdString();

    // Hovering a slot shows its picture; leaving hides it again.
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(page->slotButton(9), &enter);
    settle();
    EXPECT_EQ(page->shownPicture(), 9);
    EXPECT_TRUE(page->picture(9)->isVisible());
    EXPECT_FALSE(page->picture(9)->pixmap().isNull()) << "the picture was drawn";
    saveScreenshot(window.get(), "buttons-page-hover");
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(page->slotButton(9), &leave);
    settle();
    EXPECT_EQ(page->shownPicture(), -1);
}

TEST_F(ButtonPageTest, TheShortcutDialogHoldsTheKeyboardAndTheLastKeyWins)
{
    open();
    whenDialogOpens([&](QWidget* dialog) {
        auto* shortcut = qobject_cast<option::app::ShortcutDialog*>(dialog);
        ASSERT_TRUE(shortcut);
        EXPECT_EQ(shortcut->windowTitle(), "Corvo Key Shortcut Dialog");
        EXPECT_TRUE(keyboard->grabbed());
        type({{kVkLeftShift, false}, {'A', false}, {'A', true}, {kVkLeftShift, true}});
        EXPECT_EQ(shortcut->keyField()->text(), "Left Shift");
        clickAt(shortcut, dialogPoint(shortcut, "Ctrl"));
        saveScreenshot(shortcut, "dialog-key-shortcut");
        clickAt(shortcut, dialogPoint(shortcut, "BUTTON_OK"));
    });
    page->runMenuCommand(8, settings::kFunctionShortcut);
    EXPECT_FALSE(keyboard->grabbed()) << "closing gives the keyboard back";
    const settings::ButtonAssignment& slot = profile().MacroKeyInfo[8];
    EXPECT_EQ(slot.FunctionCode, settings::kFunctionShortcut);
    EXPECT_EQ(settings::shortcutKey(slot), 225);
    EXPECT_EQ(settings::shortcutModifiers(slot), settings::kShortcutCtrl);
}

TEST_F(ButtonPageTest, TimerAndPlayerDialogsKeepTheirRules)
{
    open();
    auto& timers = window->core().timers;
    const auto createTimer = [&](const QString& name, bool expectClosed) {
        throughMenu(9, "Create Timer", [&, name, expectClosed](QWidget* dialog) {
            auto* create = qobject_cast<option::app::CreateTimerDialog*>(dialog);
            ASSERT_TRUE(create);
            create->nameField()->setText(name);
            create->secondsField()->setValue(45);
            clickAt(create, dialogPoint(create, "BUTTON_OK"));
            EXPECT_EQ(!create->isVisible(), expectClosed) << name.toStdString();
            if (create->isVisible()) {
                saveScreenshot(create, "dialog-create-timer");
                create->reject();
            }
        });
    };
    createTimer("  Tea  ", true);
    createTimer("TEA", false);
    ASSERT_EQ(timers.size(), 1u);
    EXPECT_STREQ(timers[0].Name, "Tea");
    EXPECT_EQ(timers[0].Seconds, 45);

    throughMenu(9, "Edit/Delete Timer", [&](QWidget* dialog) {
        auto* edit = qobject_cast<option::app::EditTimerDialog*>(dialog);
        ASSERT_TRUE(edit);
        EXPECT_EQ(edit->nameField()->text(), "Tea");
        edit->secondsField()->setValue(120);
        saveScreenshot(edit, "dialog-edit-timer");
        clickAt(edit, dialogPoint(edit, "BUTTON_OK"));
    });
    EXPECT_EQ(timers[0].Seconds, 120);

    throughMenu(9, "Select Player", [&](QWidget* dialog) {
        saveScreenshot(dialog, "dialog-player");
        whenDialogOpens([](QWidget* menu) { EXPECT_TRUE(chooseMenuItem(menu, "VLC media player")); });
        clickAt(dialog, dialogPoint(dialog, "BUTTON_PLAY"));
        clickAt(dialog, dialogPoint(dialog, "BUTTON_OK"));
    });
    EXPECT_EQ(profile().MediaOption, 2);

    dialogs.programAnswer = "/nowhere/game";
    throughMenu(9, "Quicklaunch", [&](QWidget* dialog) {
        clickAt(dialog, dialogPoint(dialog, "browser1"));
        saveScreenshot(dialog, "dialog-program-launch");
        clickAt(dialog, dialogPoint(dialog, "BUTTON_OK"));
    });
    EXPECT_EQ(profile().MacroKeyInfo[9].FunctionCode, settings::kFunctionProgramLaunch);
    EXPECT_STREQ(profile().MacroKeyInfo[9].ProgramPath, "/nowhere/game") << "kept although no such file exists";
}

TEST_F(ButtonPageTest, TheMacroManagerRecordsIntoANewSetAndSavesOnOk)
{
    open();
    ASSERT_TRUE(window->core().macros.sets.empty());
    whenDialogOpens([&](QWidget* dialog) {
        auto* manager = qobject_cast<option::app::MacroManagerDialog*>(dialog);
        ASSERT_TRUE(manager);
        // The empty store asks for a set's name by itself.
        QTimer::singleShot(300, manager, [&, manager] {
            auto* nameDialog = qobject_cast<option::app::MacroSetNameDialog*>(QApplication::activeModalWidget());
            ASSERT_TRUE(nameDialog) << "the set name dialog opened";
            nameDialog->nameField()->setText("Shooter");
            saveScreenshot(nameDialog, "dialog-macro-set-name");
            clickAt(nameDialog, dialogPoint(nameDialog, "BUTTON_OK"));
        });
        QTimer::singleShot(600, manager, [&, manager] {
            manager->newMacro();
            QTest::keyClicks(manager->nameEdit(), "reload");
            QTest::keyClick(manager->nameEdit(), Qt::Key_Return);
            settle();
            ASSERT_EQ(manager->macroList()->count(), 1);

            option::app::KeySequencePanel* keys = manager->keySequence();
            keys->startOrStopRecording();
            EXPECT_TRUE(keyboard->grabbed());
            EXPECT_FALSE(manager->setSelector()->isEnabled()) << "the manager's buttons wait";
            type({{'A', false}, {'A', false}, {'A', true}, {'B', false}});
            keys->startOrStopRecording();
            EXPECT_FALSE(keyboard->grabbed());
            EXPECT_EQ(keys->list()->count(), 3) << "the repeat of A makes no row";
            saveScreenshot(manager, "macro-manager-key-sequence");
            manager->switchPanel();
            EXPECT_EQ(manager->timeline()->editor().bars().size(), 1u) << "B is never released: no bar";
            saveScreenshot(manager, "macro-manager-timeline");
            manager->switchPanel();
            EXPECT_EQ(keys->list()->count(), 3) << "looking at the timeline keeps the unreleased B";
            whenDialogOpens([](QWidget* confirm) {
                saveScreenshot(confirm, "dialog-confirm-delete-macro");
                clickAt(confirm, dialogPoint(confirm, "BUTTON_CANCEL"));
            });
            manager->deleteMacro();
            EXPECT_EQ(manager->macroList()->count(), 1) << "Cancel keeps the macro";
            clickAt(manager, dialogPoint(manager, "BUTTON_OK"));
        });
    });
    clickAt(page, QPoint(387, 298));  // the Macro Manager button
    const settings::MacroStore& store = window->core().macros;
    ASSERT_EQ(store.sets.size(), 1u);
    ASSERT_EQ(store.sets[0].macros.size(), 1u);
    EXPECT_EQ(store.sets[0].macros[0].EventCount, 3);
    settings::MacroStore reread;
    ASSERT_TRUE(settings::loadMacroStore(reread, window->core().folder.macroStoreFile()));
    ASSERT_EQ(reread.sets.size(), 1u);
    EXPECT_EQ(reread.sets[0].name, "Shooter");
}

}  // namespace
