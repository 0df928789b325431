#include "option/core/StatisticsReset.h"

#include <algorithm>
#include <iterator>

#include "messages/MessageNumbers.h"
#include "settings/ConfigKeys.h"

namespace option::core {

StatisticsResetOutcome resetStatistics(ApplicationCore& core)
{
    settings::InfoData& info = core.blocks.working->InfoData;
    std::fill(std::begin(info.Counters), std::end(info.Counters), 0);
    // Only the statistics pass over: other edits of the working block wait for Apply.
    core.blocks.applied->InfoData = info;
    StatisticsResetOutcome outcome;
    outcome.copiedOut = core.monitor.copyOut(*core.blocks.applied);
    outcome.written = settings::writeInfoData(core.folder, info);
    outcome.requestSent = MonitorLink::send(messages::kCopyInOnly, 0).has_value();
    return outcome;
}

}  // namespace option::core
