// A macro recorded in the macro manager, end to end: typed with XTest while the
// recorder holds the keyboard (a focused window of another client sees none of
// it), assigned to a button from the page's menu, applied to the simulated
// mouse, and typed by the monitor when that button is pressed.

#include <QApplication>
#include <QListWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "AppTestSupport.h"
#include "E2eChecks.h"
#include "MonitorRig.h"
#include "RawKeyObserver.h"
#include "monitor/protocol/SlotMap.h"
#include "option/app/ButtonPage.h"
#include "option/app/KeySequencePanel.h"
#include "option/app/MacroManagerDialog.h"
#include "option/app/MacroSetNameDialog.h"
#include "option/app/MainWindow.h"
#include "option/skin/BitmapEdit.h"
#include "option/skin/SkinButton.h"

// Last: Xlib's macros (None, KeyPress) would clash with names above.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace {

using namespace apptest;
using namespace std::chrono_literals;

constexpr int kSlot = 8;

// Another X client with a focused window of its own, counting the keys it gets.
class FocusedClient {
public:
    FocusedClient() : display_(XOpenDisplay(nullptr))
    {
        if (!display_)
            return;
        window_ = XCreateSimpleWindow(display_, DefaultRootWindow(display_), 0, 0, 50, 50, 0, 0, 0);
        XSelectInput(display_, window_, KeyPressMask | KeyReleaseMask);
        XMapWindow(display_, window_);
        XSync(display_, False);
    }
    ~FocusedClient()
    {
        if (display_)
            XCloseDisplay(display_);
    }
    bool valid() const { return display_ != nullptr; }

    void focus()
    {
        XSetInputFocus(display_, window_, RevertToParent, CurrentTime);
        XSync(display_, False);
    }
    // Key events that reached the window since the last call.
    int takeKeys()
    {
        XSync(display_, False);
        int keys = 0;
        while (XPending(display_) > 0) {
            XEvent event;
            XNextEvent(display_, &event);
            keys += event.type == KeyPress || event.type == KeyRelease;
        }
        return keys;
    }
    // Presses or releases the key of `keysym` as the keyboard would.
    void key(KeySym keysym, bool press)
    {
        XTestFakeKeyEvent(display_, XKeysymToKeycode(display_, keysym), press ? True : False, CurrentTime);
        XSync(display_, False);
    }
    void tap(KeySym keysym)
    {
        key(keysym, true);
        key(keysym, false);
    }

private:
    Display* display_;
    Window window_ = 0;
};

class ButtonPageE2e : public ::testing::Test {
protected:
    void SetUp() override
    {
        furnishInstallFolder(rig.tree());
        observer = e2e::RawKeyObserver::open();
        ASSERT_TRUE(observer && client.valid()) << "needs an X display with XInput2 and XTest";
        ASSERT_TRUE(rig.startMouse());
        monitor = rig.startMonitor();
        ASSERT_TRUE(monitor && rig.waitForStartupRead());
        window = showMainWindow(rig.tree(), dialogs);
        ASSERT_TRUE(window);
        ASSERT_TRUE(clickAt(window.get(), mainWindowPoint("Button Assign")));
        page = qobject_cast<option::app::ButtonPage*>(window->page(option::app::PageId::Buttons));
        ASSERT_TRUE(page);
    }

    // Chooses `item` from the slot's menu; `answer` takes the dialog it opens.
    void choose(const QString& item, std::function<void(QWidget*)> answer = {})
    {
        whenDialogOpens([item, answer](QWidget* menu) {
            EXPECT_TRUE(chooseMenuItem(menu, item)) << item.toStdString();
            if (answer)
                whenDialogOpens(answer);
        });
        page->clickSlot(kSlot);
    }

    // In the open manager: a set, a macro, and "a", "b" recorded from XTest.
    void recordInManager(option::app::MacroManagerDialog* manager)
    {
        QTimer::singleShot(300, manager, [] {
            auto* name = qobject_cast<option::app::MacroSetNameDialog*>(QApplication::activeModalWidget());
            ASSERT_TRUE(name) << "an empty store asks for a set";
            name->nameField()->setText("Typing");
            clickAt(name, dialogPoint(name, "BUTTON_OK"));
        });
        QTimer::singleShot(600, manager, [this, manager] {
            manager->newMacro();
            QTest::keyClicks(manager->nameEdit(), "ab");
            QTest::keyClick(manager->nameEdit(), Qt::Key_Return);
            settle();
            client.focus();
            client.tap(XK_x);
            EXPECT_GT(client.takeKeys(), 0) << "the focused client gets keys while nobody holds the keyboard";

            option::app::KeySequencePanel* keys = manager->keySequence();
            keys->startOrStopRecording();
            client.tap(XK_a);
            client.tap(XK_b);
            EXPECT_TRUE(QTest::qWaitFor([&] { return keys->list()->count() == 4; }, 5000));
            EXPECT_EQ(client.takeKeys(), 0) << "while recording no other program sees a key";
            keys->startOrStopRecording();
            saveScreenshot(manager, "macro-manager-recorded");
            clickAt(manager, dialogPoint(manager, "BUTTON_OK"));
        });
    }

    e2e::MonitorRig rig;
    std::unique_ptr<e2e::RawKeyObserver> observer;
    FocusedClient client;
    std::unique_ptr<testsupport::ChildProcess> monitor;
    ScriptedDialogs dialogs;
    std::unique_ptr<option::app::MainWindow> window;
    option::app::ButtonPage* page = nullptr;
};

TEST_F(ButtonPageE2e, ARecordedMacroGoesToTheMouseAndItsButtonTypesIt)
{
    choose("Create New Macro...", [this](QWidget* dialog) {
        auto* manager = qobject_cast<option::app::MacroManagerDialog*>(dialog);
        ASSERT_TRUE(manager);
        recordInManager(manager);
    });
    ASSERT_EQ(window->core().macros.sets.size(), 1u);
    choose("ab");
    ASSERT_EQ(page->slotButton(kSlot)->caption().contains("ab"), true) << page->slotButton(kSlot)->caption().toStdString();

    const std::size_t mark = rig.log().entries().size();
    ASSERT_TRUE(clickAt(window.get(), mainWindowPoint("Apply")));
    ASSERT_TRUE(rig.log().waitForEntry("SET 08", mark, 5s));
    const std::optional<int> button = monitor::protocol::deviceButtonOfSlot(kSlot);
    ASSERT_TRUE(button);
    bool tableSeen = false;
    for (const std::string& report : e2e::textsFrom(rig.log().entries(), mark)) {
        const std::vector<int> bytes = e2e::bytesOf(report.substr(4));
        if (report.starts_with("SET 07")) {
            tableSeen = true;
            EXPECT_EQ(bytes.at(static_cast<std::size_t>(3 + 3 * *button)), 48) << "the macro code";
        } else if (report.starts_with("SET 08")) {
            ASSERT_EQ(bytes.size(), 2082u);
            EXPECT_EQ(bytes[4], *button);
            EXPECT_EQ(bytes[78], 4) << "a and b, pressed and released";
            EXPECT_EQ(std::vector<int>({bytes[80], bytes[81], bytes[84], bytes[85], bytes[88], bytes[92]}),
                      std::vector<int>({4, 1, 4, 2, 5, 5}));
        }
    }
    EXPECT_TRUE(tableSeen);

    const std::size_t before = observer->events().size();
    const unsigned a = observer->keycodeOf(XK_a), b = observer->keycodeOf(XK_b);
    ASSERT_TRUE(rig.mouseCommand("press " + std::to_string(*button)));
    ASSERT_TRUE(rig.mouseCommand("release " + std::to_string(*button)));
    ASSERT_TRUE(observer->waitUntil(
        [&](const std::vector<e2e::RawKey>& events) {
            return events.size() >= before + 4 && events.back().keycode == b && !events.back().press;
        },
        5s));
    const std::vector<e2e::RawKey> events = observer->events();
    const std::vector<std::pair<unsigned, bool>> typed = {{a, true}, {a, false}, {b, true}, {b, false}};
    for (std::size_t i = 0; i < typed.size(); ++i) {
        EXPECT_EQ(events[before + i].keycode, typed[i].first) << i;
        EXPECT_EQ(events[before + i].press, typed[i].second) << i;
    }
}

TEST_F(ButtonPageE2e, AShortcutTakenFromTheKeyboardGoesInTheButtonTable)
{
    choose("Assign a Shortcut", [this](QWidget* dialog) {
        client.key(XK_Shift_L, true);
        client.key(XK_a, true);
        client.key(XK_a, false);
        client.key(XK_Shift_L, false);
        auto* key = dialog->findChild<option::skin::BitmapEdit*>();
        EXPECT_TRUE(QTest::qWaitFor([&] { return key && key->text() == "Left Shift"; }, 5000));
        clickAt(dialog, dialogPoint(dialog, "BUTTON_OK"));
    });
    const std::size_t mark = rig.log().entries().size();
    ASSERT_TRUE(clickAt(window.get(), mainWindowPoint("Apply")));
    ASSERT_TRUE(rig.log().waitForEntry("SET 07", mark, 5s));
    const std::optional<int> button = monitor::protocol::deviceButtonOfSlot(kSlot);
    ASSERT_TRUE(button);
    for (const std::string& report : e2e::textsFrom(rig.log().entries(), mark)) {
        if (!report.starts_with("SET 07"))
            continue;
        const std::vector<int> table = e2e::bytesOf(report.substr(4));
        const auto at = [&](int offset) { return table.at(static_cast<std::size_t>(offset + 3 * *button)); };
        EXPECT_EQ(std::vector<int>({at(3), at(4), at(5)}), std::vector<int>({5, 0, 225}))
            << "code 5, no modifier box, Left Shift";
    }
}

}  // namespace
