#pragma once
// The firmware package in the installation's "FWUpdateB/" folder, where the
// upgrader lives: its config.ini names the image and the image's version, and
// answer.ini keeps what the user answered the upgrader for one package version
// (update declined, or the notice that the mouse is newer seen), so that the
// monitor's firmware check does not start the upgrader again for that version.
//
//   config.ini   [Firmware] Name=<image file>  Version=<decimal version>
//   answer.ini   [Answer]   Version=<package version answered>  Answer=declined|notice

#include <optional>
#include <string>

#include "settings/InstallFolder.h"

namespace settings {

inline constexpr char kFirmwarePackageFolder[] = "FWUpdateB/";
inline constexpr char kUpgraderProgramName[] = "ZuroNoxa Firmware Upgrade";
// What a missing `Version` reads as; compared unsigned it is the newest of all.
inline constexpr int kMissingPackageVersion = -1;

enum class UpgradeAnswer { Declined, NoticeSeen };

class FirmwarePackage {
public:
    // `folder` is the package folder, with or without the trailing '/';
    // answer.ini lies in `answerFolder` (the user's copy of the package folder
    // in an installed package), in `folder` when it is "".
    explicit FirmwarePackage(std::string folder, std::string answerFolder = {});
    static FirmwarePackage ofInstallation(const InstallFolder& installation);

    const std::string& folder() const { return folder_; }
    std::string configIni() const;
    std::string answerIni() const;
    std::string upgraderProgram() const;

    // `Version`, or kMissingPackageVersion.
    int version() const;
    // `Name` as written.
    std::string imageName() const;
    // An absolute `Name` as it stands; any other lies in the package folder.
    std::string imagePath() const;

    // Keeps the answer given for package version `packageVersion`.
    bool recordAnswer(UpgradeAnswer answer, int packageVersion) const;
    // The package version the user last answered, if any.
    std::optional<int> answeredVersion() const;
    // True when the user already answered for the package's current version.
    bool answeredCurrentVersion() const;

private:
    std::string folder_;
    std::string answerFolder_;
};

}  // namespace settings
