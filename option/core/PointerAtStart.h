#pragma once
// At start, with the monitor running, the active profile's pointer settings take
// effect in the running system, as the monitor last applied them.
#include "option/core/ApplicationCore.h"
#include "platform/registry/PointerSettings.h"
#include "settings/ApplyPointerSettings.h"

namespace option::core {

// False (nothing applied) without the monitor's block or without an active profile.
bool applyPointerSettingsAtStart(ApplicationCore& core, platform::PointerSettings& pointer,
                                 settings::SettingChangeNotifier& notifier);

}  // namespace option::core
