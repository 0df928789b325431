#include "settings/InstallFolder.h"

#include <filesystem>
#include <system_error>

#include "platform/system/DebugOutput.h"
#include "platform/system/ProgramFolder.h"
#include "platform/system/UserFolders.h"
#include "settings/UserFolderSeed.h"

namespace settings {
namespace {

std::string withSlash(std::string folder)
{
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    return folder;
}

}  // namespace

InstallFolder::InstallFolder(std::string folder) : data_(withSlash(std::move(folder))), user_(data_) {}

InstallFolder::InstallFolder(std::string dataFolder, std::string userFolder)
    : data_(withSlash(std::move(dataFolder))), user_(withSlash(std::move(userFolder)))
{
}

FolderChoice chooseFolders(const FolderFacts& facts)
{
    FolderChoice choice;
    choice.dataFolder = withSlash(facts.programFolder);
    choice.userFolder = choice.dataFolder;
    const bool installed = facts.markerPresent || !facts.programFolderWritable;
    if (installed && !facts.configHome.empty() && facts.configHome.front() == '/') {
        choice.userFolder = withSlash(facts.configHome) + kUserFolderName + '/';
        choice.perUser = true;
    }
    return choice;
}

InstallFolder InstallFolder::ofProgram()
{
    return ofInstallation(platform::programFolder());
}

InstallFolder InstallFolder::ofInstallation(const std::string& programFolder)
{
    FolderFacts facts;
    facts.programFolder = programFolder;
    std::error_code error;
    facts.markerPresent =
        !programFolder.empty() && std::filesystem::exists(withSlash(programFolder) + kPerUserMarkerFile, error);
    facts.programFolderWritable = programFolder.empty() || platform::isWritableFolder(programFolder);
    facts.configHome = platform::configHome();
    const FolderChoice choice = chooseFolders(facts);
    if (!choice.perUser)
        return InstallFolder(choice.dataFolder);

    if (!prepareUserFolder(choice.dataFolder, choice.userFolder))
        platform::debugPrintf("InstallFolder: the user folder %s cannot be prepared\n", choice.userFolder.c_str());
    return InstallFolder(choice.dataFolder, choice.userFolder);
}

std::string InstallFolder::file(std::string_view name) const
{
    return data_ + std::string(name);
}

std::string InstallFolder::userFile(std::string_view name) const
{
    return user_ + std::string(name);
}

std::string InstallFolder::configIni() const { return userFile("config.ini"); }

std::string InstallFolder::deviceInfoIni() const { return userFile("DeviceInfo.ini"); }

std::string InstallFolder::runsStartIni() const { return userFile("RunsStart.ini"); }

std::string InstallFolder::configSubfolder() const { return userFile("config/"); }

std::string InstallFolder::profileFile(int slot) const
{
    return configSubfolder() + "Default" + std::to_string(slot) + ".vmp";
}

std::string InstallFolder::macroStoreFile() const { return configSubfolder() + "Preset_sequence.dat"; }

std::string InstallFolder::timerStoreFile() const { return configSubfolder() + "Timer.ini"; }

}  // namespace settings
