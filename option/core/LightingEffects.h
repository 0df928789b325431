#pragma once
// The lighting page's exclusive buttons: effect type (lights off, full, breathing,
// blinking, heartbeat), colour mode, colour flow, and palette or custom colour.
// Each setter stores a value within its range and says whether it changed.
#include "option/core/ControlRange.h"
#include "settings/ProfileRecord.h"

namespace option::core {

inline constexpr ControlRange kLightEffectTypes{0, 4};  // 0 is "All light Off"
inline constexpr ControlRange kLightEffectModes{1, 3};
inline constexpr ControlRange kLightColorFlows{0, 5};

bool setLightEffectType(settings::ProfileRecord& profile, int type);
bool setLightEffectMode(settings::ProfileRecord& profile, int mode);
bool setLightColorFlow(settings::ProfileRecord& profile, int flow);
// "Choose a custom color" (and a click on the custom swatch) or "Choose a single color".
bool chooseCustomColor(settings::ProfileRecord& profile, bool custom);

}  // namespace option::core
