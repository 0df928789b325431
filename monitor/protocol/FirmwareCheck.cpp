#include "monitor/protocol/FirmwareCheck.h"

#include "monitor/protocol/DeviceOperations.h"
#include "platform/system/DebugOutput.h"
#include "platform/system/ShellOpen.h"
#include "settings/FirmwarePackage.h"

namespace monitor::protocol {

bool ProgramUpgraderLauncher::start(const std::string& program, const std::string& argument)
{
    return platform::startProgram(program, {argument});
}

std::optional<std::string> upgraderArgument(std::uint8_t deviceVersion, int packageVersion)
{
    const auto package = static_cast<std::uint32_t>(packageVersion);
    if (package > deviceVersion)
        return std::string(kUpgraderArgumentUpdate);
    if (package < deviceVersion)
        return std::string(kUpgraderArgumentNotice);
    return std::nullopt;
}

FirmwareCheckResult checkFirmware(DeviceLink& link, const settings::InstallFolder& folder,
                                  UpgraderLauncher& launcher)
{
    const std::optional<std::uint8_t> deviceVersion = readFirmwareVersion(link, folder);
    if (!deviceVersion || *deviceVersion == 0)
        return FirmwareCheckResult::NothingToDo;
    const settings::FirmwarePackage package = settings::FirmwarePackage::ofInstallation(folder);
    const std::optional<std::string> argument = upgraderArgument(*deviceVersion, package.version());
    if (!argument)
        return FirmwareCheckResult::NothingToDo;
    if (package.answeredCurrentVersion()) {
        platform::debugOutput("CMonitorWnd: the user answered the upgrader for this firmware package\n");
        return FirmwareCheckResult::NothingToDo;
    }
    return launcher.start(package.upgraderProgram(), *argument) ? FirmwareCheckResult::UpgraderStarted
                                                                : FirmwareCheckResult::UpgraderNotStarted;
}

}  // namespace monitor::protocol
