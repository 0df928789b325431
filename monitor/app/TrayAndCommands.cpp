// Tray clicks, the menu's commands and the programs the monitor starts.

#include "monitor/app/MonitorWindow.h"

#include "platform/system/DebugOutput.h"

namespace monitor::app {

void MonitorWindow::onTrayCallback(platform::LParam mouseMessage)
{
    switch (mouseMessage) {
    case messages::kMouseLeftButtonDown:
        if (tray_)
            tray_->raiseLastPopup();
        break;
    case messages::kMouseLeftDoubleClick:
        platform::debugOutput("OnSystrayNotify WM_LBUTTONDBLCLK\n");
        openConfiguration();
        break;
    case messages::kMouseRightButtonDown:
        platform::debugOutput("OnSystrayNotify WM_RBUTTONDOWN\n");
        if (tray_)
            tray_->showMenu();
        break;
    default:
        break;
    }
}

void MonitorWindow::onCommand(platform::WParam command)
{
    if (command == messages::kCommandOpenConfiguration)
        openConfiguration();
    else if (command == messages::kCommandExit)
        platform::postMessage(handle(), platform::WM_CLOSE, 0, 0);
}

void MonitorWindow::openConfiguration()
{
    platform::debugOutput("CMonitorWnd OnCustomizer\n");
    if (const platform::WindowHandle option = platform::findWindow(messages::kOptionWindowTitle)) {
        platform::debugOutput("CMonitorWnd OnCustomizer hWnd!=NULL\n");
        // The application restores and raises its own window when asked.
        if (!platform::activateWindow(option))
            platform::debugOutput("CMonitorWnd: the configuration window cannot be brought up\n");
        return;
    }
    platform::debugOutput("CMonitorWnd OnCustomizer hWnd==NULL\n");
    if (!environment_.startProgram(environment_.folder.file(kOptionProgram), {}))
        platform::debugPrintf("CMonitorWnd: %s cannot be started\n", kOptionProgram);
}

}  // namespace monitor::app
