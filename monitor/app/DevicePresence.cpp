// The mouse coming and going, the firmware check and the device worker's results.

#include "monitor/app/MonitorWindow.h"

#include "platform/system/DebugOutput.h"
#include "settings/BlockDefaults.h"
#include "settings/PendingChanges.h"

namespace monitor::app {

void MonitorWindow::onDeviceChange(platform::WParam wParam)
{
    if (upgraderStarted_ || closing_)
        return;
    if (wParam == messages::kDeviceArrived)
        onArrival();
    else if (wParam == messages::kDeviceRemoved)
        onRemoval();
}

void MonitorWindow::onArrival()
{
    if (deviceState_.load() == DeviceState::Present || !bridge_)
        return;
    platform::debugOutput("CMonitorWnd: mouse arrived\n");
    // The mouse needs this long after plugging before it answers reliably.
    pauser_.sleep(kArrivalSettleTime);
    deviceState_.store(DeviceState::Present);
    parley_->sendPresence(block_.get(), true);
    bridge_->exports().openFeatureDevice();
    if (firmwareCheckStartedUpgrader())
        return;
    if (settings::hasPendingChanges(environment_.folder))
        takePendingFiles();
    worker_.post(messages::worker_job::kReadWholeDevice);
    updateTrayIcon();
    writeDeviceKey(1);
    setTimer(messages::timer::kGameSwitch, messages::timer::kGameSwitchPeriodMs);
}

void MonitorWindow::onRemoval()
{
    if (deviceState_.load() == DeviceState::Absent)
        return;
    platform::debugOutput("CMonitorWnd: mouse removed\n");
    deviceState_.store(DeviceState::Absent);
    parley_->sendPresence(block_.get(), false);
    if (bridge_)
        bridge_->exports().closeFeatureDevice();
    if (worker_.isBusy())
        worker_.abortFlag().store(true);
    updateTrayIcon();
    killTimer(messages::timer::kGameSwitch);
    writeDeviceKey(0);
    if (const platform::WindowHandle option = platform::findWindow(messages::kOptionWindowTitle))
        platform::postMessage(option, platform::WM_CLOSE, 0, 0);
}

bool MonitorWindow::firmwareCheckStartedUpgrader()
{
    const protocol::FirmwareCheckResult result = protocol::checkFirmware(link_, environment_.folder, upgraderLauncher_);
    if (result == protocol::FirmwareCheckResult::UpgraderNotStarted)
        platform::debugOutput("CMonitorWnd: the firmware upgrader cannot be started\n");
    if (result != protocol::FirmwareCheckResult::UpgraderStarted)
        return false;
    platform::debugOutput("CMonitorWnd: the firmware upgrader takes over the mouse\n");
    upgraderStarted_ = true;
    deviceState_.store(DeviceState::Unknown);
    platform::postMessage(handle(), platform::WM_CLOSE, 0, 0);
    return true;
}

void MonitorWindow::writeDeviceKey(int connected)
{
    settings::writeDeviceConnected(environment_.folder, connected);
}

void MonitorWindow::takePendingFiles()
{
    auto files = std::make_unique<settings::SettingsBlock>(block_.get());
    settings::clearForLoading(*files);
    settings::LoadProblems problems;
    settings::loadAll(*files, environment_.folder, &problems);
    reportLoadProblems(problems);
    block_.modify([&](settings::SettingsBlock& block) {
        const settings::InfoData counted = block.InfoData;
        const std::int32_t language = block.QuickHelpLan;
        block = *files;
        block.InfoData = counted;
        if (block.QuickHelpLan == -1)
            block.QuickHelpLan = language;
    });
    copyBlockOut();
}

// After job 2: the read merged, saved and published (or the files applied),
// then host presence 1, then the CPI levels to Parley. A failed or aborted job 2
// sends no presence.
void MonitorWindow::onWorkerJobFinished(platform::WParam job, bool)
{
    if (job == messages::worker_job::kReadWholeDevice && takeWholeDeviceRead() &&
        worker_.post(messages::worker_job::kHostPresent))
        return;
    if (job == messages::worker_job::kReadWholeDevice || job == messages::worker_job::kHostPresent)
        parley_->sendCpiLevels(block_.get());
}

void MonitorWindow::updateTrayIcon()
{
    if (!tray_)
        return;
    // Without the library the icon stays, so its tip can say why there is no mouse.
    const bool present = deviceState_.load() == DeviceState::Present || !bridge_;
    tray_->setToolTip(trayToolTip());
    tray_->setShown(present && !parley_->hasTakenOver() && !closing_);
}

std::string MonitorWindow::trayToolTip() const
{
    if (bridge_)
        return kTrayToolTip;
    return std::string(kTrayToolTip) + " - no mouse: " + bridgeProblem_;
}

}  // namespace monitor::app
