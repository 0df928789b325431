// The configuration application's and the calibration dialog's requests.

#include "monitor/app/MonitorWindow.h"

#include "monitor/protocol/ApplyChanges.h"
#include "monitor/protocol/DeviceOperations.h"
#include "monitor/protocol/SensorCapture.h"
#include "monitor/protocol/SensorImageFile.h"
#include "monitor/protocol/TrackingReport.h"
#include "platform/system/DebugOutput.h"

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

void MonitorWindow::onApplyRequest(platform::WParam wParam)
{
    copyIn();
    applyPointerSettings();
    notifyOsd();
    if (!mousePresent())
        return;
    const int request = wParam == messages::kApplyDefaultsRestored ? protocol::kApplyAfterRestoringDefaults : 0;
    if (!protocol::applyRequest(link_, block_.get(), request))
        platform::debugOutput("CMonitorWnd: apply did not reach the mouse\n");
    parley_->releaseInterDeviceLock(registered(messages::kActiveStatusToParleyIndex));
    parley_->sendCpiLevels(block_.get());
}

void MonitorWindow::notifyOsd()
{
    settings::readOsdSettings(environment_.folder, osd_);
    if (const platform::WindowHandle osdWindow = platform::findWindow(messages::kOsdWindowTitle))
        platform::postMessage(osdWindow, messages::kOsdSettingsChanged, 0,
                              messages::osdSettingsParam(osd_.wordA(), osd_.wordB()));
}

void MonitorWindow::onSensorCapture()
{
    const protocol::SensorCapture capture = protocol::captureSensorImage(link_);
    if (capture.imageRead)
        protocol::storeSensorImage(environment_.folder, capture.image);
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
