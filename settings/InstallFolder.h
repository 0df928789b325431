#pragma once
// Where the programs find their files. Two folders:
// - the data folder, the installation itself: the programs, hidbridge.so, the
//   skin, the sounds, the animations, the language tables, the firmware package;
// - the user folder, where every file the programs write lives: config.ini, the
//   profile files and the stores under "config/", DeviceInfo.ini, RunsStart.ini,
//   the sensor image, the upgrader's answer.
// In a run tree (the build's dist/ folder, or any folder the user may write
// without the per-user marker) both are the program folder, as they always were.
// In an installed package (the marker file beside the programs, or a program
// folder the user cannot write) the user folder is $XDG_CONFIG_HOME/zuronoxa/,
// seeded once from the package's own copies of the writable files.

#include <string>
#include <string_view>

namespace settings {

// Installed beside the programs by `cmake --install` and the package: its
// presence puts the writable files in each user's own folder.
inline constexpr char kPerUserMarkerFile[] = "PerUserFiles";
// The folder below $XDG_CONFIG_HOME.
inline constexpr char kUserFolderName[] = "zuronoxa";

class InstallFolder {
public:
    // One folder for both, with or without the trailing '/'; "" makes every file
    // relative to the current folder.
    explicit InstallFolder(std::string folder);
    InstallFolder(std::string dataFolder, std::string userFolder);

    // The folders of the running executable's installation.
    static InstallFolder ofProgram();
    // The folders of the installation whose programs lie in `programFolder`:
    // makes the user folder and seeds it when the installation is per-user.
    static InstallFolder ofInstallation(const std::string& programFolder);

    // The data folder and a read-only file of the installation in it.
    const std::string& path() const { return data_; }
    std::string file(std::string_view name) const;
    // The user folder and a file the programs write in it.
    const std::string& userPath() const { return user_; }
    std::string userFile(std::string_view name) const;
    bool perUser() const { return data_ != user_; }

    std::string configIni() const;
    std::string deviceInfoIni() const;
    std::string runsStartIni() const;
    // "config/", where the profile files and the stores are kept.
    std::string configSubfolder() const;
    // The file of profile slot 0-4: "config/Default<slot>.vmp".
    std::string profileFile(int slot) const;
    // The macro store "config/Preset_sequence.dat" and the timer store "config/Timer.ini".
    std::string macroStoreFile() const;
    std::string timerStoreFile() const;

private:
    std::string data_;
    std::string user_;
};

// What decides the folders, gathered from the system by InstallFolder::ofInstallation.
struct FolderFacts {
    std::string programFolder;
    bool markerPresent = false;
    bool programFolderWritable = true;
    std::string configHome;  // platform::configHome(): "" when unknown
};

struct FolderChoice {
    std::string dataFolder;  // with a trailing '/' (or "")
    std::string userFolder;  // with a trailing '/' (or "")
    bool perUser = false;
};

// The program folder for both in a run tree; the per-user folder below
// configHome for an installation. Without a configuration home the program
// folder stays the user folder (writing then fails where it cannot be written).
FolderChoice chooseFolders(const FolderFacts& facts);

}  // namespace settings
