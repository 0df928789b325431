#include "option/core/PointerAtStart.h"

namespace option::core {

bool applyPointerSettingsAtStart(ApplicationCore& core, platform::PointerSettings& pointer,
                                 settings::SettingChangeNotifier& notifier)
{
    if (!core.monitorPresent || !settings::isValidProfileIndex(core.blocks.working->CurrentProfile))
        return false;
    return settings::applyPointerSettings(*core.blocks.working, false, pointer, notifier);
}

}  // namespace option::core
