#include "option/core/MainSettingsRules.h"

#include "settings/SliderPositions.h"

namespace option::core {
namespace {

bool store(std::int32_t& field, int value, ControlRange range)
{
    if (!range.contains(value) || field == value)
        return false;
    field = value;
    return true;
}

}  // namespace

bool setSensitivity(settings::ProfileRecord& profile, int sensitivity)
{
    return store(profile.Sensitivity, sensitivity, kSensitivityRange);
}

bool setSensitivityFromSpin(settings::ProfileRecord& profile, int spinValue)
{
    if (!kSensitivitySpinRange.contains(spinValue))
        return false;
    return setSensitivity(profile, spinValue + kSensitivitySpinOffset);
}

bool setScrollSpeed(settings::ProfileRecord& profile, int lines)
{
    return store(profile.ScrollWheelSpeed, lines, kScrollSpeedRange);
}

bool setScrollOnePage(settings::ProfileRecord& profile, bool onePage)
{
    return store(profile.ScrollWheelFlag, onePage ? 1 : 0, ControlRange{0, 1});
}

bool setTiltSpeed(settings::ProfileRecord& profile, int characters)
{
    return store(profile.TiltSpeed, characters, kTiltSpeedRange);
}

bool setDoubleClickPosition(settings::ProfileRecord& profile, int position)
{
    if (!kDoubleClickPositions.contains(position))
        return false;
    profile.DbleClickSpeed = settings::doubleClickTimeOfPosition(position);
    return true;
}

int doubleClickPosition(const settings::ProfileRecord& profile)
{
    return settings::doubleClickPositionOfTime(profile.DbleClickSpeed);
}

}  // namespace option::core
