#include "monitor/dispatch/ProfileSwitch.h"

#include "messages/MessageNumbers.h"
#include "monitor/dispatch/Feedback.h"
#include "monitor/dispatch/ParleyMessages.h"
#include "monitor/host/TimerService.h"
#include "platform/system/DebugOutput.h"
#include "settings/ConfigKeys.h"

namespace monitor::dispatch {

bool switchProfileByMouse(DispatchContext& context, int profileNumber)
{
    const int profile = profileNumber - 1;
    if (!settings::isValidProfileIndex(profile))
        return false;
    MonitorServices& services = context.services;
    const int previous = services.block().CurrentProfile;
    services.modifyBlock([profile](settings::SettingsBlock& block) { block.CurrentProfile = profile; });
    settings::writeCurrentProfile(services.installFolder(), profile);
    platform::debugPrintf("Profile Id: %d \n", profileNumber);

    // The profile that was active decides whether its change is announced.
    const settings::ProfileRecord* previousProfile =
        settings::isValidProfileIndex(previous) ? &services.block().Profiles[previous] : nullptr;
    if (feedbackWanted(context.host, previousProfile, &settings::ProfileRecord::SoundProfile))
        startFeedback(context.host, host::kTimerProfileSound);

    services.copyBlockOut();
    services.writePointerRegistry();
    services.applyPointerSettings();
    services.postToWindow(messages::kOptionWindowTitle, messages::kProfileSwitched, 0, 0);
    releaseInterDeviceLock(services);
    sendParleyCpiLevels(services);
    return true;
}

}  // namespace monitor::dispatch
