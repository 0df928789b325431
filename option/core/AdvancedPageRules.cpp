#include "option/core/AdvancedPageRules.h"

#include "settings/SliderPositions.h"

namespace option::core {
namespace {

bool storeFlag(std::int32_t& field, bool on)
{
    return storeInRange(field, on ? 1 : 0, kFlagRange);
}

}  // namespace

bool setPointerPosition(settings::ProfileRecord& profile, int position)
{
    if (!kPointerPositions.contains(position))
        return false;
    const int speed = settings::pointerSpeedOfPosition(position);
    const bool changed = profile.MouseSpeed != speed;
    profile.MouseSpeed = speed;
    return changed;
}

int pointerPosition(const settings::ProfileRecord& profile)
{
    return settings::pointerPositionOfSpeed(profile.MouseSpeed);
}

bool setAcceleration(settings::ProfileRecord& profile, bool on)
{
    const int step = on ? kAccelerationStepOn : kAccelerationStepOff;
    const bool changed = profile.Acceleration != step;
    profile.Acceleration = step;
    return storeFlag(profile.AccelerationFlag, on) || changed;
}

bool setTrails(settings::ProfileRecord& profile, bool on)
{
    const int value = on ? kTrailsOn : kTrailsOff;
    const bool changed = profile.MouseTrails != value;
    profile.MouseTrails = value;
    return changed;
}

bool trailsShown(const settings::ProfileRecord& profile)
{
    return profile.MouseTrails != 0;
}

bool setSoundVolume(settings::ProfileRecord& profile, int volume)
{
    return storeInRange(profile.SoundVolume, volume, kSoundVolumeRange);
}

bool setPollingRate(settings::ProfileRecord& profile, int code)
{
    return storeInRange(profile.PollingRate, code, kPollingRateRange);
}

bool setAngleSnapping(settings::ProfileRecord& profile, bool on)
{
    return storeFlag(profile.ASnapFlag, on);
}

bool setAngleSnap(settings::ProfileRecord& profile, int value)
{
    return storeInRange(profile.ASnap, value, kAngleSnapRange);
}

bool setSensorAlignmentOn(settings::ProfileRecord& profile, bool on)
{
    return storeFlag(profile.SAlignmentFlag, on);
}

bool setSensorAlignment(settings::ProfileRecord& profile, int value)
{
    return storeInRange(profile.SAlignment, value, kSensorAlignmentRange);
}

bool setSensorAlignmentFromSpin(settings::ProfileRecord& profile, int spinValue)
{
    if (!kSensorAlignmentSpinRange.contains(spinValue))
        return false;
    return setSensorAlignment(profile, spinValue + kSensorAlignmentSpinOffset);
}

}  // namespace option::core
