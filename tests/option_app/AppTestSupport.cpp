#include "AppTestSupport.h"

#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QPainter>
#include <QTest>
#include <QTimer>

#include <filesystem>

#include "option/app/SkinDialog.h"
#include "option/layout/LayoutEntry.h"
#include "option/layout/MainWindowLayout.h"

namespace apptest {

namespace fs = std::filesystem;

void furnishInstallFolder(const std::string& folder)
{
    fs::create_directories(fs::path(folder) / "config");
    for (const char* data : {"skin", "help", "Gif"})
        if (!fs::exists(fs::path(folder) / data))
            fs::create_directory_symlink(fs::path(ZURO_DIST_DIR) / data, fs::path(folder) / data);
    // Wave/ is the monitor's too (the sensor image): only the application's files are linked.
    fs::create_directories(fs::path(folder) / "Wave");
    for (const char* file : {"Wave/double_click.bmp", "Wave/double_click.gif", "Wave/double_click.wav"})
        if (!fs::exists(fs::path(folder) / file))
            fs::create_symlink(fs::path(ZURO_DIST_DIR) / file, fs::path(folder) / file);
}

std::optional<QString> ScriptedDialogs::profileToLoad(QWidget*, const QString& folder)
{
    loadFolder = folder;
    return loadAnswer;
}

std::optional<QString> ScriptedDialogs::profileToSave(QWidget*, const QString& suggestedPath)
{
    saveSuggestion = suggestedPath;
    return saveAnswer;
}

std::optional<QString> ScriptedDialogs::programFile(QWidget*, const QString&)
{
    return programAnswer;
}

void ScriptedDialogs::showFailure(QWidget*, const QString& text, const QString&)
{
    failures.push_back(text);
}

std::unique_ptr<option::app::MainWindow> showMainWindow(
    const std::string& folder, ScriptedDialogs& dialogs,
    const std::function<void(option::app::MainWindowEnvironment&)>& adjust)
{
    option::app::MainWindowEnvironment environment;
    environment.folder = settings::InstallFolder(folder);
    environment.dialogs = &dialogs;
    if (adjust)
        adjust(environment);
    auto window = std::make_unique<option::app::MainWindow>(std::move(environment));
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        return nullptr;
    return window;
}

QPoint mainWindowPoint(std::string_view name, int occurrence)
{
    for (const option::layout::ControlLayout& control : option::layout::main_window::kControls) {
        const auto entry = option::layout::parseLayoutEntry(control.text);
        if (entry && entry->name == name && occurrence-- == 0)
            return QPoint((entry->left + entry->right) / 2, (entry->top + entry->bottom) / 2);
    }
    return QPoint(-1, -1);
}

QPoint dialogPoint(QWidget* dialog, std::string_view name, int occurrence)
{
    const auto* skinned = qobject_cast<option::app::SkinDialog*>(dialog);
    const auto entry = skinned ? option::layout::parseLayoutEntry(skinned->row(name, occurrence).text) : std::nullopt;
    return entry ? QPoint((entry->left + entry->right) / 2, (entry->top + entry->bottom) / 2) : QPoint(-1, -1);
}

bool clickAt(QWidget* window, const QPoint& point)
{
    QWidget* target = window->childAt(point);
    if (!target)
        return false;
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(window, point));
    return true;
}

void whenDialogOpens(std::function<void(QWidget* dialog)> answer)
{
    QTimer::singleShot(0, [answer = std::move(answer)] {
        QWidget* dialog = QApplication::activePopupWidget();
        if (!dialog)
            dialog = QApplication::activeModalWidget();
        if (dialog)
            answer(dialog);
    });
}

QAction* menuItem(QWidget* menu, const QString& text)
{
    auto* popup = qobject_cast<QMenu*>(menu);
    if (!popup)
        return nullptr;
    for (QAction* action : popup->actions()) {
        if (action->text() == text && !action->menu())
            return action;
        if (QAction* inner = action->menu() ? menuItem(action->menu(), text) : nullptr)
            return inner;
    }
    return nullptr;
}

bool chooseMenuItem(QWidget* menu, const QString& text)
{
    QAction* action = menuItem(menu, text);
    if (action)
        action->trigger();
    menu->close();
    return action != nullptr;
}

void saveScreenshot(QWidget* widget, const QString& name)
{
    const QString folder = QStringLiteral(ZURO_SCREENSHOT_DIR "/app");
    QDir().mkpath(folder);
    const QImage grabbed = widget->grab().toImage();
    // As the window is seen: what its shape cuts away is transparent.
    QImage shaped(grabbed.size(), QImage::Format_ARGB32);
    shaped.fill(Qt::transparent);
    QPainter painter(&shaped);
    if (!widget->mask().isEmpty())
        painter.setClipRegion(widget->mask());
    painter.drawImage(0, 0, grabbed);
    painter.end();
    shaped.save(folder + "/" + name + ".png");
}

void settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

}  // namespace apptest
