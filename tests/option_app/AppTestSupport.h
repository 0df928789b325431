#pragma once
// Helpers of the application's window tests: an installation folder with the
// drawn skin and the language tables, scripted system dialogs, clicks at layout
// coordinates, answering a dialog once it opens, and screenshots.

#include <QImage>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "option/app/MainWindow.h"
#include "option/app/SystemDialogs.h"

namespace apptest {

// Links the run tree's skin/, help/, Gif/ and the application's Wave/ files into
// `folder` and makes config/.
void furnishInstallFolder(const std::string& folder);

// File dialogs answer from the script; failures are recorded, not shown.
class ScriptedDialogs final : public option::app::SystemDialogs {
public:
    std::optional<QString> loadAnswer;
    std::optional<QString> saveAnswer;
    std::optional<QString> programAnswer;
    QString loadFolder;      // what the last load dialog was started in
    QString saveSuggestion;  // what the last save dialog suggested
    std::vector<QString> failures;

    std::optional<QString> profileToLoad(QWidget*, const QString& folder) override;
    std::optional<QString> profileToSave(QWidget*, const QString& suggestedPath) override;
    std::optional<QString> programFile(QWidget*, const QString&) override;
    void showFailure(QWidget*, const QString& text, const QString&) override;
};

// The main window on the installation `folder`, its system dialogs answered by
// `dialogs`, shown; nullptr when it was never exposed. `adjust` may change the
// environment first (fake pages, no pointer settings).
std::unique_ptr<option::app::MainWindow> showMainWindow(
    const std::string& folder, ScriptedDialogs& dialogs,
    const std::function<void(option::app::MainWindowEnvironment&)>& adjust = {});

// The centre of the `occurrence`-th row named `name` of the main window's table.
QPoint mainWindowPoint(std::string_view name, int occurrence = 0);
// The centre of a row of a skinned dialog's table (see SkinDialog::row).
QPoint dialogPoint(QWidget* dialog, std::string_view name, int occurrence = 0);
// A left click on whatever child of `window` lies at `point`; false when nothing does.
bool clickAt(QWidget* window, const QPoint& point);
// Once the next modal dialog or popup is up (after the current event), calls
// `answer` with it; the dialog must be closed there.
void whenDialogOpens(std::function<void(QWidget* dialog)> answer);
// The item `text` of a popup menu or of its submenus, or nullptr.
QAction* menuItem(QWidget* menu, const QString& text);
// Chooses item `text` of the open popup menu (in a submenu too) and closes the
// menu; false when the menu has no such item.
bool chooseMenuItem(QWidget* menu, const QString& text);
// Saves screenshots/app/<name>.png in the build folder.
void saveScreenshot(QWidget* widget, const QString& name);
// Lets posted events (skin messages, message windows) be handled.
void settle();

}  // namespace apptest
