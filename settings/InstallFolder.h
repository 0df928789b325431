#pragma once
// The folder the configuration files live in: the program's own folder in the
// programs, a temporary one in the tests.

#include <string>
#include <string_view>

namespace settings {

class InstallFolder {
public:
    // `folder` with or without the trailing '/'; "" makes every file relative to
    // the current folder.
    explicit InstallFolder(std::string folder);

    // The folder of the running executable.
    static InstallFolder ofProgram();

    const std::string& path() const { return folder_; }
    std::string file(std::string_view name) const;

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
    std::string folder_;
};

}  // namespace settings
