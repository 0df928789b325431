#include "MonitorTree.h"

#include <cstdlib>
#include <fstream>

namespace fs = std::filesystem;

namespace e2e {
namespace {

void writeFile(const fs::path& path, const std::string& text, bool executable = false)
{
    std::ofstream(path) << text;
    if (executable) fs::permissions(path, fs::perms::owner_all | fs::perms::group_read | fs::perms::others_read);
}

}  // namespace

bool prepareMonitorTree(const std::string& programs, const fs::path& tree, int firmwareVersion)
{
    std::error_code error;
    fs::create_directories(tree / "config", error);
    fs::create_directories(tree / "FWUpdateB", error);
    for (const auto& entry : fs::directory_iterator(programs, error)) {
        const std::string name = entry.path().filename().string();
        if (name == "ZuroTarnMonitor" || name == "zuroctl" || name.ends_with(".so"))
            fs::copy_file(entry.path(), tree / name, fs::copy_options::overwrite_existing, error);
    }
    writeFile(tree / "FWUpdateB/config.ini", "[Firmware]\nVersion=" + std::to_string(firmwareVersion) + "\n");
    writeFile(tree / "FWUpdateB/ZuroNoxa Firmware Upgrade", "#!/bin/sh\n", true);
    writeFile(tree / "ZuroNoxaOption", "#!/bin/sh\n", true);
    return fs::exists(tree / "ZuroTarnMonitor") && fs::exists(tree / "hidbridge.so") && fs::exists(tree / "zuroctl");
}

void useFreshUserFolders(const fs::path& work)
{
    std::error_code error;
    for (const char* folder : {"run", "data", "cfg"}) fs::create_directories(work / folder, error);
    fs::permissions(work / "run", fs::perms::owner_all, error);
    setenv("XDG_RUNTIME_DIR", (work / "run").c_str(), 1);
    setenv("XDG_DATA_HOME", (work / "data").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (work / "cfg").c_str(), 1);
}

}  // namespace e2e
