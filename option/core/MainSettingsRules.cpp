#include "option/core/MainSettingsRules.h"

#include "settings/SliderPositions.h"

namespace option::core {
bool setSensitivity(settings::ProfileRecord& profile, int sensitivity)
{
    return storeInRange(profile.Sensitivity, sensitivity, kSensitivityRange);
}

bool setSensitivityFromSpin(settings::ProfileRecord& profile, int spinValue)
{
    if (!kSensitivitySpinRange.contains(spinValue))
        return false;
    return setSensitivity(profile, spinValue + kSensitivitySpinOffset);
}

bool setScrollSpeed(settings::ProfileRecord& profile, int lines)
{
    return storeInRange(profile.ScrollWheelSpeed, lines, kScrollSpeedRange);
}

bool setScrollOnePage(settings::ProfileRecord& profile, bool onePage)
{
    return storeInRange(profile.ScrollWheelFlag, onePage ? 1 : 0, kFlagRange);
}

bool setTiltSpeed(settings::ProfileRecord& profile, int characters)
{
    return storeInRange(profile.TiltSpeed, characters, kTiltSpeedRange);
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
