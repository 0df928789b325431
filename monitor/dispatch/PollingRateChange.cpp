#include "monitor/dispatch/PollingRateChange.h"

#include "monitor/dispatch/Feedback.h"

namespace monitor::dispatch {

bool changePollingRateByMouse(DispatchContext& context, int value)
{
    constexpr int kFirstRate = 1;
    constexpr int kLastRate = 4;
    if (value < kFirstRate || value > kLastRate || settings::activeProfile(context.services.block()) == nullptr)
        return false;
    context.services.modifyBlock(
        [value](settings::SettingsBlock& block) { settings::activeProfile(block)->PollingRate = value - 1; });
    finishMouseChange(context);
    return true;
}

}  // namespace monitor::dispatch
