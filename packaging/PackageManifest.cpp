// zuro_package_manifest RUN_TREE: prints every file of the installation folder
// the programs name, one path a line relative to that folder: the programs and
// hidbridge.so, the sounds, the skin pictures and animations of every window,
// the language tables and the firmware package. The package test checks each
// one is in the package.

#include <cstdio>
#include <set>
#include <string>

#include "hidbridge/BridgeLibrary.h"
#include "monitor/app/MonitorWindow.h"
#include "monitor/host/SoundTable.h"
#include "option/core/TextLibrary.h"
#include "option/layout/AllWindows.h"
#include "option/layout/SkinPictures.h"
#include "settings/FirmwarePackage.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: zuro_package_manifest RUN_TREE\n");
        return 2;
    }
    std::set<std::string> files;
    files.insert("ZuroTarnMonitor");
    files.insert(monitor::app::kOptionProgram);
    files.insert("zuroctl");
    files.insert(hidbridge::kBridgeLibraryFile);

    const settings::InstallFolder relative{""};
    for (const int sound : monitor::host::playableSounds())
        files.insert(monitor::host::soundFilePath(relative, sound));

    using namespace option::layout;
    for (const PictureFile& picture : sharedPictures())
        files.insert(picture.path);
    for (const WindowDescription& window : kAllWindows) {
        for (const PictureFile& picture : windowPictures(window))
            files.insert(picture.path);
        for (const ControlLayout& control : window.controls)
            for (const PictureFile& picture : controlPictures(window, control))
                files.insert(picture.path);
        for (const PictureFile& picture : sharedPictures(window.programFolder))
            files.insert(picture.path);
    }

    for (int language = 0; language < kLanguageCount; ++language)
        files.insert(std::string(option::core::kTextFolder) +
                     std::string(option::core::textLibraryFileName(language)));

    // The package's image is the one its config.ini names.
    const settings::FirmwarePackage package(std::string(argv[1]) + "/" + settings::kFirmwarePackageFolder);
    files.insert(std::string(settings::kFirmwarePackageFolder) + settings::kUpgraderProgramName);
    files.insert(std::string(settings::kFirmwarePackageFolder) + "config.ini");
    const std::string image = package.imageName();
    if (image.empty() || image.front() == '/') {
        std::fprintf(stderr, "zuro_package_manifest: the firmware package names no image of its own\n");
        return 1;
    }
    files.insert(std::string(settings::kFirmwarePackageFolder) + image);

    for (const std::string& file : files)
        std::printf("%s\n", file.c_str());
    return 0;
}
