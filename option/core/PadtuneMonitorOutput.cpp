#include "option/core/PadtuneMonitorOutput.h"

#include "messages/MessageNumbers.h"
#include "platform/system/DebugOutput.h"
#include "platform/windows/MessageWindow.h"
#include "settings/ConfigKeys.h"

namespace option::core {

bool PadtuneMonitorOutput::monitorRunning() const
{
    return platform::findWindow(messages::kMonitorWindowTitle) != 0;
}

bool PadtuneMonitorOutput::writeDisControl(int level)
{
    return settings::writeDisControl(folder_, level);
}

void PadtuneMonitorOutput::postRequest(int requestCode)
{
    // Posted without waiting: the wizard learns nothing of the mouse's answer.
    const platform::WindowHandle monitor = platform::findWindow(messages::kMonitorWindowTitle);
    if (!platform::postMessage(monitor, messages::kTrackingRequest, 0, requestCode))
        platform::debugOutput("Padtune request " + std::to_string(requestCode) + " not posted: no monitor\n");
}

}  // namespace option::core
