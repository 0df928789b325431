#include "option/core/ApplyChanges.h"

#include <optional>

#include "messages/MessageNumbers.h"
#include "settings/ChangeFlags.h"
#include "settings/ConfigFile.h"
#include "settings/PendingChanges.h"

namespace option::core {
namespace {

ApplyResult sendApplyRequest(bool copiedOut, platform::WParam request)
{
    if (!copiedOut) {
        // Without the block in its section the monitor would apply what it has.
        return MonitorLink::monitorWindowExists() ? ApplyResult::NotTaken : ApplyResult::NoMonitor;
    }
    const std::optional<platform::LResult> answer = MonitorLink::send(messages::kApplyRequest, request);
    if (!answer)
        return ApplyResult::NoMonitor;
    return *answer == messages::kApplyTaken ? ApplyResult::Taken : ApplyResult::NotTaken;
}

}  // namespace

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
    outcome.result = sendApplyRequest(outcome.copiedOut, request);
    if (outcome.result != ApplyResult::Taken && outcome.filesWritten)
        outcome.markedPending = settings::markPendingChanges(core.folder);
    settings::clearChangeFlags(working);
    core.blocks.takeWorkingAsApplied();
    return outcome;
}

}  // namespace option::core
