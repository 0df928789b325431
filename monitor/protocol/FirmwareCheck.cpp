#include "monitor/protocol/FirmwareCheck.h"

#include "monitor/protocol/DeviceOperations.h"
#include "platform/ini/PrivateProfile.h"
#include "platform/system/ShellOpen.h"

namespace monitor::protocol {
namespace {

constexpr int kMissingVersion = -1;

}  // namespace

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
    const int packageVersion = platform::ini::readInt(folder.file(kFirmwarePackageIni), kFirmwarePackageSection,
                                                      kFirmwarePackageVersionKey, kMissingVersion);
    const std::optional<std::string> argument = upgraderArgument(*deviceVersion, packageVersion);
    if (!argument)
        return FirmwareCheckResult::NothingToDo;
    return launcher.start(folder.file(kUpgraderProgram), *argument) ? FirmwareCheckResult::UpgraderStarted
                                                                    : FirmwareCheckResult::UpgraderNotStarted;
}

}  // namespace monitor::protocol
