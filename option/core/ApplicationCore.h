#pragma once
// Everything the configuration application works on, without its windows: the
// two blocks, the link to the monitor, the stores and the Parley device list.
#include <utility>

#include "option/core/ApplicationBlocks.h"
#include "option/core/MonitorLink.h"
#include "settings/DeviceList.h"
#include "settings/InstallFolder.h"
#include "settings/MacroStore.h"
#include "settings/ShiftPartner.h"
#include "settings/TimerStore.h"

namespace option::core {

struct ApplicationCore {
    explicit ApplicationCore(settings::InstallFolder installFolder) : folder(std::move(installFolder)) {}

    settings::InstallFolder folder;
    ApplicationBlocks blocks;
    MonitorLink monitor;
    bool monitorPresent = false;  // the block came from the monitor's section
    settings::MacroStore macros;
    settings::TimerStore timers;
    settings::ParleyDeviceList parleyDevices;
    settings::ShiftPartnerMemo shiftMemo;
};

}  // namespace option::core
