#pragma once
// The configuration application's main window: the tabs and their pages, the
// five profile slots (slot buttons, Windows-profile markers, colour indicators,
// name fields), the profile commands, the language button, the status line and
// OK / Apply / Cancel. It shows the working block and forwards what the user does
// to option/core; it also receives the monitor's notices through a message window
// of the application's title.
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "option/app/Page.h"
#include "option/core/ApplicationCore.h"
#include "option/core/MainWindowTexts.h"
#include "option/core/TextLibrary.h"
#include "option/skin/SkinWindow.h"
#include "platform/registry/PointerSettings.h"
#include "platform/windows/MessageWindow.h"

class QLabel;

namespace option::skin {
class ColorSwatchButton;
class SkinButton;
}  // namespace option::skin

namespace option::app {

class StatusLine;
class SystemDialogs;

struct MainWindowEnvironment {
    settings::InstallFolder folder{""};
    SystemDialogs* dialogs = nullptr;  // not owned; must outlive the window
    PageFactories pages = defaultPageFactories();
    // The running system's pointer settings (taken once at start).
    std::function<std::unique_ptr<platform::PointerSettings>()> createPointerSettings =
        platform::createSystemPointerSettings;
};

class MainWindow final : public skin::SkinWindow, public PageHost, private platform::MessageHandler {
    Q_OBJECT
public:
    // Runs the start-up: the settings from the monitor (or the files), the pages,
    // the texts of the block's language.
    explicit MainWindow(MainWindowEnvironment environment);
    ~MainWindow() override;

    // PageHost
    core::ApplicationCore& core() override { return core_; }
    const core::TextLibrary& texts() const override { return texts_; }
    SystemDialogs& systemDialogs() override { return *environment_.dialogs; }
    QWidget* mainWindow() override { return this; }
    void selectPage(PageId page) override;
    void selectProfileSlot(int slot) override;
    void refreshAll() override;
    void apply(platform::WParam request) override;
    void resetToDefaults() override;
    void reloadTexts() override;
    platform::PointerSettings* pointerSettings() override { return pointer_.get(); }

    // The page of a tab; nullptr until the tab was first shown.
    Page* page(PageId id) const { return pages_[static_cast<std::size_t>(id)]; }
    PageId shownPage() const { return shownPage_; }
    QString statusLineText() const;
    // The message window the monitor's notices arrive at.
    platform::WindowHandle messageWindow() const { return messages_ ? messages_->handle() : 0; }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // One control of the layout table and the role it plays.
    enum class Role {
        Tab, Create, Load, Save, Edit, Slot, Marker, InnerMarker, Indicator, NameField, Language,
        Minimize, Exit, Ok, Apply, Cancel, Other,
    };
    struct Control {
        Role role = Role::Other;
        int index = 0;                 // among the controls of its role
        std::size_t row = 0;           // in the layout table
        skin::SkinButton* button = nullptr;
        QString layoutText;            // the status text of its layout string
    };

    // Construction (MainWindow.cpp).
    void createControls();
    skin::SkinButton* addButton(std::size_t row, Role role, int index, const QRect& rect, const QString& layoutText,
                                const std::function<skin::SkinButton*(int id)>& create);
    // The control a command id names; nullptr for another id.
    const Control* controlOf(int controlId) const;
    // A page is built the first time its tab is chosen (most sessions look at a
    // few pages only), then refreshed and given its texts.
    Page* ensurePage(PageId id);
    void startUp();
    void setWindowIcons();
    void showLanguageFlag();
    QString appText(core::TextId id) const;
    void updateVersionLine();
    std::vector<skin::SkinButton*> buttons(Role role) const;
    skin::SkinButton* button(Role role) const;

    // What the controls do (MainWindowCommands.cpp).
    void onCommand(int controlId);
    void onMarker(int slot);
    void onCreateOrEdit(bool create);
    void onLoad();
    void onSave();
    void onLanguage();
    void refreshColourIndicators();
    void closeWithoutApplying();
    void enableApply(bool enabled);

    // The monitor's notices (MainWindowNotices.cpp).
    platform::LResult onMessage(platform::MessageId message, platform::WParam wParam,
                                platform::LParam lParam) override;
    void refreshPage(PageId id);
    void bringToFront();

    MainWindowEnvironment environment_;
    core::ApplicationCore core_;
    core::TextLibrary texts_;
    core::TextLibrary englishTexts_;  // for the application's own messages a table lacks
    std::unique_ptr<platform::MessageWindow> messages_;
    std::unique_ptr<platform::PointerSettings> pointer_;

    std::vector<Control> controls_;
    std::array<Page*, kPageCount> pages_{};
    QRect pageArea_;
    PageId shownPage_ = PageId::MainSettings;
    StatusLine* statusLine_ = nullptr;
    QLabel* liftOnPicture_ = nullptr;
    QLabel* versionLine_ = nullptr;
    bool firstPaintReported_ = false;
};

}  // namespace option::app
