#include "option/core/ApplyChanges.h"

#include "messages/MessageNumbers.h"
#include "settings/ChangeFlags.h"
#include "settings/ConfigFile.h"

namespace option::core {

void markChanges(ApplicationBlocks& blocks)
{
    settings::computeChangeFlags(*blocks.applied, *blocks.working);
}

ApplyOutcome applyChanges(ApplicationCore& core, platform::WParam request)
{
    settings::SettingsBlock& working = *core.blocks.working;
    markChanges(core.blocks);
    ApplyOutcome outcome;
    outcome.copiedOut = core.monitor.copyOut(working);
    outcome.filesWritten = settings::saveAll(working, core.folder);
    outcome.requestSent = MonitorLink::send(messages::kApplyRequest, request);
    settings::clearChangeFlags(working);
    core.blocks.takeWorkingAsApplied();
    return outcome;
}

}  // namespace option::core
