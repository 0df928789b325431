#include "option/core/DeviceStatus.h"

#include "option/core/FirmwareVersionText.h"
#include "platform/ini/PrivateProfile.h"
#include "settings/ConfigKeys.h"

namespace option::core {

DeviceStatus readDeviceStatus(const ApplicationCore& core)
{
    DeviceStatus status;
    status.monitorRunning = MonitorLink::monitorWindowExists();
    // A monitor that ended without its shutdown may have left `Device` at 1.
    status.mousePresent = status.monitorRunning &&
                          platform::ini::readInt(core.folder.configIni(), settings::kConfigSection, "Device", 0) == 1;
    if (status.monitorRunning)
        status.inputInjector = settings::readInputInjector(core.folder);
    status.firmwareVersion = firmwareVersionText(settings::readFirmwareVersion(core.folder));
    status.activeProfile = core.blocks.working->CurrentProfile;
    return status;
}

}  // namespace option::core
