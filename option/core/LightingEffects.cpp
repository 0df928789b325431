#include "option/core/LightingEffects.h"

namespace option::core {
bool setLightEffectType(settings::ProfileRecord& profile, int type)
{
    return storeInRange(profile.LightEffectType, type, kLightEffectTypes);
}

bool setLightEffectMode(settings::ProfileRecord& profile, int mode)
{
    return storeInRange(profile.LightEffectMode, mode, kLightEffectModes);
}

bool setLightColorFlow(settings::ProfileRecord& profile, int flow)
{
    return storeInRange(profile.LightColorFlow, flow, kLightColorFlows);
}

bool chooseCustomColor(settings::ProfileRecord& profile, bool custom)
{
    return storeInRange(profile.LtChoseType, custom ? 1 : 0, kFlagRange);
}

}  // namespace option::core
