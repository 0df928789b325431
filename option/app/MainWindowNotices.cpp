// The monitor's notices and requests, arriving at the application's message window.
#include "messages/MessageNumbers.h"
#include "option/app/MainWindow.h"
#include "option/core/MonitorNotices.h"
#include "platform/system/DebugOutput.h"

namespace option::app {

platform::LResult MainWindow::onMessage(platform::MessageId message, platform::WParam wParam, platform::LParam)
{
    switch (message) {
    case messages::kReloadAfterRead: {
        const core::NoticeOutcome outcome = core::takeDeviceRead(core_);
        if (outcome.firmwareVersionChanged)
            updateVersionLine();
        if (outcome.refreshAll)
            refreshAll();
        break;
    }
    case messages::kProfileSwitched:
        if (core::takeProfileSwitch(core_).refreshAll)
            refreshAll();
        break;
    case messages::kEnableApply:
        enableApply(true);
        break;
    case messages::kCpiChanged: {
        const core::NoticeOutcome outcome = core::takeCpiChange(core_);
        if (outcome.refreshMainSettings)
            refreshPage(PageId::MainSettings);
        if (outcome.refreshAdvanced)
            refreshPage(PageId::Advanced);
        break;
    }
    case messages::kStatisticsChanged:
        if (core::takeStatistics(core_).refreshStatistics)
            refreshPage(PageId::Statistics);
        break;
    case messages::kParleyDevicesChanged:
        core::rereadParleyDevices(core_);
        break;
    case platform::WM_CLOSE:
        // The monitor closes the application when the mouse goes.
        closeWithoutApplying();
        break;
    case platform::WM_SYSCOMMAND:
        if (wParam == platform::SC_RESTORE)
            bringToFront();
        break;
    case platform::WM_ACTIVATE:
        if (wParam == platform::WA_ACTIVE)
            bringToFront();
        break;
    default:
        break;
    }
    return 0;
}

void MainWindow::refreshPage(PageId id)
{
    if (Page* shown = page(id))
        shown->refresh();
}

void MainWindow::bringToFront()
{
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
}

}  // namespace option::app
