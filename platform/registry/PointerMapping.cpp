#include "platform/registry/PointerMapping.h"

#include <algorithm>

namespace platform {

XPointerAcceleration xPointerAcceleration(int threshold1, int threshold2, int speed)
{
    if (speed <= 0) return {};
    if (speed == 1) return {2, 1, std::max(threshold1, 0), true};
    return {4, 1, std::max(threshold2, 0), true};
}

float libinputAccelSpeed(int pointerSpeed)
{
    return std::clamp((static_cast<float>(pointerSpeed) - 10.0f) / 10.0f, -1.0f, 1.0f);
}

AccelerationProfile accelerationProfile(int accelerationSpeed)
{
    return accelerationSpeed > 0 ? AccelerationProfile::Adaptive : AccelerationProfile::Flat;
}

}  // namespace platform
