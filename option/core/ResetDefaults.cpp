#include "option/core/ResetDefaults.h"

#include "messages/MessageNumbers.h"
#include "settings/BlockDefaults.h"
#include "settings/ChangeFlags.h"

namespace option::core {

ApplyOutcome resetToDefaults(ApplicationCore& core)
{
    settings::createDefaultBlock(*core.blocks.working);
    settings::forceAllChangeFlags(*core.blocks.working);
    core.shiftMemo.reset();
    return applyChanges(core, messages::kApplyDefaultsRestored);
}

}  // namespace option::core
