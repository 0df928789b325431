#include "option/core/MonitorNotices.h"

#include <algorithm>
#include <iterator>

#include "settings/ChangeFlags.h"
#include "settings/DeviceList.h"
#include "settings/MacroStoreSync.h"

namespace option::core {
namespace {

bool copyInApplied(ApplicationCore& core)
{
    reopenMonitorLink(core);
    return core.monitor.copyIn(*core.blocks.applied);
}

// The fields the mouse changes by itself with its CPI, sensitivity and polling
// buttons.
void takeDeviceDrivenFields(const settings::ProfileRecord& from, settings::ProfileRecord& to)
{
    to.Sensitivity_X = from.Sensitivity_X;
    to.Sensitivity_Y = from.Sensitivity_Y;
    to.Sensitivity = from.Sensitivity;
    std::copy(std::begin(from.dpi), std::end(from.dpi), std::begin(to.dpi));
    to.Cpi_X = from.Cpi_X;
    to.Cpi_Y = from.Cpi_Y;
    std::copy(std::begin(from.CpiLevel_X), std::end(from.CpiLevel_X), std::begin(to.CpiLevel_X));
    std::copy(std::begin(from.CpiLevel_Y), std::end(from.CpiLevel_Y), std::begin(to.CpiLevel_Y));
    to.PollingRate = from.PollingRate;
}

}  // namespace

bool reopenMonitorLink(ApplicationCore& core)
{
    core.monitorPresent = core.monitor.open();
    return core.monitorPresent;
}

NoticeOutcome takeDeviceRead(ApplicationCore& core)
{
    NoticeOutcome outcome;
    // The version text is read from config.ini, which the monitor rewrote either way.
    outcome.firmwareVersionChanged = true;
    if (!copyInApplied(core))
        return outcome;
    settings::clearChangeFlags(*core.blocks.applied);
    core.blocks.copyAppliedToWorking();
    settings::synchroniseMacroStore(core.macros, *core.blocks.working, core.folder.macroStoreFile());
    outcome.taken = true;
    outcome.refreshAll = true;
    return outcome;
}

NoticeOutcome takeProfileSwitch(ApplicationCore& core)
{
    NoticeOutcome outcome;
    if (!copyInApplied(core))
        return outcome;
    core.blocks.copyAppliedToWorking();
    outcome.taken = true;
    outcome.refreshAll = true;
    return outcome;
}

NoticeOutcome takeCpiChange(ApplicationCore& core)
{
    NoticeOutcome outcome;
    if (!copyInApplied(core))
        return outcome;
    const int profile = core.blocks.applied->CurrentProfile;
    if (!settings::isValidProfileIndex(profile))
        return outcome;
    settings::ProfileRecord& working = core.blocks.working->Profiles[profile];
    takeDeviceDrivenFields(core.blocks.applied->Profiles[profile], working);
    outcome.taken = true;
    outcome.refreshMainSettings = true;
    outcome.refreshAdvanced = settings::isSet(working.XYSynchronous);
    return outcome;
}

NoticeOutcome takeStatistics(ApplicationCore& core)
{
    NoticeOutcome outcome;
    if (!copyInApplied(core))
        return outcome;
    core.blocks.working->InfoData = core.blocks.applied->InfoData;
    outcome.taken = true;
    outcome.refreshStatistics = true;
    return outcome;
}

void rereadParleyDevices(ApplicationCore& core)
{
    core.parleyDevices = settings::readDeviceList(core.folder);
}

}  // namespace option::core
