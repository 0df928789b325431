#include "monitor/dispatch/CpiChange.h"

#include "monitor/dispatch/Feedback.h"
#include "monitor/host/TimerService.h"

namespace monitor::dispatch {

bool changeCpiLevelByMouse(DispatchContext& context, int levelNumber)
{
    const int level = levelNumber - 1;
    const settings::ProfileRecord* profile = settings::activeProfile(context.services.block());
    if (!settings::isValidCpiLevel(level) || profile == nullptr)
        return false;
    // A level index that was never valid has no value to compare with: the
    // new value then counts as a change.
    const std::int32_t oldValue = settings::isValidCpiLevel(profile->Cpi_X) ? profile->CpiLevel_X[profile->Cpi_X] : 0;
    const std::int32_t newValue = profile->CpiLevel_X[level];
    context.services.modifyBlock([level](settings::SettingsBlock& block) {
        settings::ProfileRecord* active = settings::activeProfile(block);
        active->Cpi_X = level;
        active->Cpi_Y = level;
    });
    if (newValue != oldValue &&
        feedbackWanted(context.host, settings::activeProfile(context.services.block()), &settings::ProfileRecord::SoundDpi)) {
        context.host.rememberResolution(newValue);
        startFeedback(context.host, host::kTimerResolutionSound);
    }
    finishMouseChange(context);
    return true;
}

}  // namespace monitor::dispatch
