#include "monitor/app/TrayIcon.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QSystemTrayIcon>

#include "messages/MessageNumbers.h"
#include "platform/system/DebugOutput.h"
#include "platform/windows/MessageWindow.h"

namespace monitor::app {
namespace {

// A plain mouse outline, so the icon needs no file of its own.
QIcon monitorIcon()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(20, 20, 20), 2));
    painter.setBrush(QColor(200, 30, 40));
    painter.drawRoundedRect(QRectF(8, 2, 16, 28), 8, 8);
    painter.drawLine(QPointF(16, 2), QPointF(16, 13));
    return QIcon(pixmap);
}

platform::LParam mouseMessageOf(QSystemTrayIcon::ActivationReason reason)
{
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        return messages::kMouseLeftButtonDown;
    case QSystemTrayIcon::DoubleClick:
        return messages::kMouseLeftDoubleClick;
    case QSystemTrayIcon::Context:
        return messages::kMouseRightButtonDown;
    default:
        return 0;
    }
}

class SystemTrayIcon final : public TrayIcon {
public:
    explicit SystemTrayIcon(platform::WindowHandle window) : window_(window)
    {
        icon_.setIcon(monitorIcon());
        icon_.setToolTip(QString::fromUtf8(kTrayToolTip));
        QAction* configuration = menu_.addAction(QString::fromUtf8(kTrayMenuConfiguration));
        menu_.setDefaultAction(configuration);
        menu_.addSeparator();
        QAction* exit = menu_.addAction(QString::fromUtf8(kTrayMenuExit));
        QObject::connect(configuration, &QAction::triggered, [window] {
            platform::postMessage(window, platform::WM_COMMAND, messages::kCommandOpenConfiguration, 0);
        });
        QObject::connect(exit, &QAction::triggered, [window] {
            platform::postMessage(window, platform::WM_COMMAND, messages::kCommandExit, 0);
        });
        QObject::connect(&icon_, &QSystemTrayIcon::activated, [window](QSystemTrayIcon::ActivationReason reason) {
            if (const platform::LParam mouseMessage = mouseMessageOf(reason))
                platform::postMessage(window, messages::kTrayCallback, messages::kTrayIconId, mouseMessage);
        });
        platform::debugPrintf("Tray: system tray %s\n",
                              QSystemTrayIcon::isSystemTrayAvailable() ? "available" : "not available yet");
    }

    void setShown(bool shown) override
    {
        if (shown == icon_.isVisible())
            return;
        icon_.setVisible(shown);
        if (shown)
            platform::debugPrintf("Tray icon shown: %s\n", icon_.toolTip().toUtf8().constData());
        else
            platform::debugOutput("Tray icon removed\n");
    }

    bool isShown() const override { return icon_.isVisible(); }

    void setToolTip(const std::string& text) override { icon_.setToolTip(QString::fromStdString(text)); }

    void showMenu() override
    {
        menu_.popup(QCursor::pos(), menu_.defaultAction());
        menu_.activateWindow();
        // Tracked like a pop-up menu: the null message lets the menu close
        // when the user clicks elsewhere.
        platform::postMessage(window_, 0, 0, 0);
    }

    void raiseLastPopup() override
    {
        if (!menu_.isVisible())
            return;
        menu_.raise();
        menu_.activateWindow();
    }

private:
    platform::WindowHandle window_;
    QSystemTrayIcon icon_;
    QMenu menu_;
};

}  // namespace

std::unique_ptr<TrayIcon> createSystemTrayIcon(platform::WindowHandle window)
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return nullptr;
    return std::make_unique<SystemTrayIcon>(window);
}

}  // namespace monitor::app
