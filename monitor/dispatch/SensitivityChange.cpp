#include "monitor/dispatch/SensitivityChange.h"

#include "monitor/dispatch/Feedback.h"
#include "monitor/host/TimerService.h"

namespace monitor::dispatch {
namespace {

constexpr int kLowestSensitivity = 1;
constexpr int kHighestSensitivity = 11;

bool isSensitivity(int value) { return value >= kLowestSensitivity && value <= kHighestSensitivity; }

}  // namespace

bool changeSensitivityByMouse(DispatchContext& context, std::uint8_t low, std::uint8_t high)
{
    const settings::ProfileRecord* profile = settings::activeProfile(context.services.block());
    if (profile == nullptr)
        return false;
    const bool separateAxes = settings::isSet(profile->XYSynchronous);
    const std::int32_t oldValue = separateAxes ? profile->Sensitivity_X : profile->Sensitivity;
    const bool takeLow = isSensitivity(low);
    const bool takeHigh = separateAxes && isSensitivity(high);
    if (!takeLow && !takeHigh)
        return false;
    context.services.modifyBlock([&](settings::SettingsBlock& block) {
        settings::ProfileRecord* active = settings::activeProfile(block);
        if (takeLow)
            (separateAxes ? active->Sensitivity_X : active->Sensitivity) = low;
        if (takeHigh)
            active->Sensitivity_Y = high;
    });
    // Only a value that was taken is compared: an L outside 1-11 plays nothing.
    if (takeLow && low != oldValue &&
        feedbackWanted(context.host, settings::activeProfile(context.services.block()), &settings::ProfileRecord::SoundSens))
        startFeedback(context.host, low > oldValue ? host::kTimerSensitivityUpSound : host::kTimerSensitivityDownSound);
    finishMouseChange(context);
    return true;
}

}  // namespace monitor::dispatch
