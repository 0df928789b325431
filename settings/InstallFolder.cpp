#include "settings/InstallFolder.h"

#include "platform/system/ProgramFolder.h"

namespace settings {

InstallFolder::InstallFolder(std::string folder) : folder_(std::move(folder))
{
    if (!folder_.empty() && folder_.back() != '/')
        folder_ += '/';
}

InstallFolder InstallFolder::ofProgram()
{
    return InstallFolder(platform::programFolder());
}

std::string InstallFolder::file(std::string_view name) const
{
    return folder_ + std::string(name);
}

std::string InstallFolder::configIni() const { return file("config.ini"); }

std::string InstallFolder::deviceInfoIni() const { return file("DeviceInfo.ini"); }

std::string InstallFolder::runsStartIni() const { return file("RunsStart.ini"); }

std::string InstallFolder::configSubfolder() const { return file("config/"); }

std::string InstallFolder::profileFile(int slot) const
{
    return configSubfolder() + "Default" + std::to_string(slot) + ".vmp";
}

std::string InstallFolder::macroStoreFile() const { return configSubfolder() + "Preset_sequence.dat"; }

std::string InstallFolder::timerStoreFile() const { return configSubfolder() + "Timer.ini"; }

}  // namespace settings
