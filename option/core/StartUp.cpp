#include "option/core/StartUp.h"

#include "settings/BlockDefaults.h"
#include "settings/ChangeFlags.h"
#include "settings/ConfigFile.h"
#include "settings/MacroStoreSync.h"

namespace option::core {

namespace {

SettingsSource loadAppliedBlock(ApplicationCore& core)
{
    settings::SettingsBlock& applied = *core.blocks.applied;
    settings::clearForLoading(applied);
    // A section whose lock cannot be taken counts as no monitor: the files are
    // then the best state there is.
    if (core.monitor.open() && core.monitor.copyIn(applied)) {
        settings::clearChangeFlags(applied);
        core.monitorPresent = true;
        return SettingsSource::Monitor;
    }
    if (settings::loadAll(applied, core.folder))
        return SettingsSource::Files;
    settings::createDefaultBlock(applied);
    return SettingsSource::Defaults;
}

}  // namespace

SettingsSource startUp(ApplicationCore& core)
{
    const SettingsSource source = loadAppliedBlock(core);
    settings::loadMacroStore(core.macros, core.folder.macroStoreFile());
    settings::loadTimerStore(core.timers, core.folder.timerStoreFile());
    core.blocks.copyAppliedToWorking();
    settings::synchroniseMacroStore(core.macros, *core.blocks.working, core.folder.macroStoreFile());
    core.parleyDevices = settings::readDeviceList(core.folder);
    return source;
}

}  // namespace option::core
