// The configuration application's and the calibration dialog's requests.

#include "monitor/app/MonitorWindow.h"

#include "monitor/protocol/ApplyChanges.h"
#include "monitor/protocol/DeviceOperations.h"
#include "monitor/protocol/SensorCapture.h"
#include "monitor/protocol/SensorImageFile.h"
#include "monitor/protocol/TrackingReport.h"
#include "platform/system/DebugOutput.h"
#include "settings/PendingChanges.h"

namespace monitor::app {
namespace {

constexpr int kLowestPadtuneLevel = 0;
constexpr int kHighestPadtuneLevel = 3;

}  // namespace

void MonitorWindow::copyIn()
{
    block_.modify([&](settings::SettingsBlock& block) {
        if (!shared_.copyIn(block))
            platform::debugOutput("CMonitorWnd: the shared block cannot be copied in\n");
    });
}

// The answer says whether the mouse took the change. A change it did not take
// leaves the pending-changes marker, so the next start or arrival applies the
// files instead of overwriting them with what the mouse holds; while the marker
// is there, every apply sends everything, and the one the mouse takes clears it.
platform::LResult MonitorWindow::onApplyRequest(platform::WParam wParam)
{
    copyIn();
    applyPointerSettings();
    display_->reloadSettings();
    bool taken = false;
    if (mousePresent()) {
        const int request = wParam == messages::kApplyDefaultsRestored ? protocol::kApplyAfterRestoringDefaults : 0;
        const bool pending = settings::hasPendingChanges(environment_.folder);
        taken = protocol::applyRequest(link_, block_.get(), request, pending);
        if (taken && pending && !settings::clearPendingChanges(environment_.folder))
            platform::debugOutput("CMonitorWnd: the pending-changes marker cannot be removed\n");
        parley_->releaseInterDeviceLock(registered(messages::kActiveStatusToParleyIndex));
        parley_->sendCpiLevels(block_.get());
    }
    if (!taken) {
        platform::debugOutput(mousePresent() ? "CMonitorWnd: the mouse did not take the change\n"
                                             : "CMonitorWnd: no mouse; the change waits for it\n");
        if (!settings::markPendingChanges(environment_.folder))
            platform::debugOutput("CMonitorWnd: the pending-changes marker cannot be written\n");
    }
    enableApplicationApply(0);
    return taken ? messages::kApplyTaken : messages::kApplyNotTaken;
}

void MonitorWindow::enableApplicationApply(int reason)
{
    platform::debugOutput(reason == 0 ? "OnApplyAllSetting  Send Enable OK/Apply Button\n"
                                      : "Thread Send Enable OK/Apply Button\n");
    const platform::WindowHandle option = platform::findWindow(messages::kOptionWindowTitle);
    if (option == 0) {
        platform::debugOutput("OnApplyAllSetting Don't find ZuroVell Option Dialog\n");
        return;
    }
    platform::postMessage(option, messages::kEnableApply, 0, 0);
}

void MonitorWindow::onSensorCapture()
{
    // A capture that failed stores its cleared image, so the dialog never shows
    // the previous picture as the new one.
    const protocol::SensorCapture capture = protocol::captureSensorImage(link_);
    if (!capture.imageRead)
        platform::debugOutput("CMonitorWnd: the sensor image was not read; storing a blank one\n");
    if (!protocol::storeSensorImage(environment_.folder, capture.image)) {
        platform::debugOutput("CMonitorWnd: the sensor image cannot be stored\n");
        return;
    }
    if (const platform::WindowHandle dialog = platform::findWindow(messages::kPadtuneDialogTitle))
        platform::postMessage(dialog, messages::kSensorCaptureDone, 0, 0);
}

void MonitorWindow::onTrackingRequest(platform::LParam requestCode)
{
    // Codes other than discard, keep and start leave the calibration as it is.
    const int code = requestCode >= 0 && requestCode <= 0xFF ? static_cast<int>(requestCode)
                                                              : protocol::padtune_request::kStart;
    // A missing or impossible level counts as level 0.
    int disControl = settings::readDisControl(environment_.folder);
    if (disControl < kLowestPadtuneLevel || disControl > kHighestPadtuneLevel)
        disControl = kLowestPadtuneLevel;
    block_.modify([&](settings::SettingsBlock& block) { block.DisControl = disControl; });
    protocol::writeTracking(link_, block_.get().DisControl, code);
}

void MonitorWindow::onPadtuneStep(platform::LParam step)
{
    if (step < messages::kFirstPadtuneStep || step > messages::kLastPadtuneStep)
        return;
    copyIn();
    protocol::writeTracking(link_, block_.get().DisControl, static_cast<int>(step));
}

}  // namespace monitor::app
