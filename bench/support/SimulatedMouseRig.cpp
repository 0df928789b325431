#include "bench/support/SimulatedMouseRig.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>

#include "mousesim/ServeProcess.h"

namespace benchsupport {

namespace fs = std::filesystem;

SimulatedMouseRig::SimulatedMouseRig(std::string dist, const std::string& name) : dist_(std::move(dist))
{
    std::string pattern = (fs::temp_directory_path() / (name + "-XXXXXX")).string();
    root_ = mkdtemp(pattern.data()) ? pattern : "";
    if (root_.empty())
        return;
    mkdir((root_ + "/run").c_str(), 0700);
    setenv("XDG_RUNTIME_DIR", (root_ + "/run").c_str(), 1);
    setenv("XDG_CONFIG_HOME", root_.c_str(), 1);
    setenv("XDG_DATA_HOME", root_.c_str(), 1);
    setenv("ZURO_HID_BACKEND", "simulator", 1);
    mousesim::ServeSettings settings;
    settings.executable = dist_ + "/mousesim";
    settings.runtimeDir = root_ + "/run";
    settings.stateFile = root_ + "/mouse.state";
    settings.logFile = root_ + "/reports.log";
    std::string error;
    mouse_ = mousesim::ServeProcess::start(settings, error);
}

SimulatedMouseRig::~SimulatedMouseRig()
{
    mouse_.reset();
    std::error_code ignored;
    if (!root_.empty())
        fs::remove_all(root_, ignored);
}

std::string SimulatedMouseRig::makeRunTree(std::initializer_list<const char*> files,
                                           std::initializer_list<const char*> folders)
{
    const std::string tree = root_ + "/tree";
    fs::create_directories(tree + "/config");
    fs::create_directories(tree + "/FWUpdateB");
    std::ofstream(tree + "/FWUpdateB/config.ini") << "[Firmware]\nVersion=107\n";
    std::error_code ignored;
    for (const char* file : files)
        fs::copy_file(dist_ + "/" + file, tree + "/" + file, fs::copy_options::overwrite_existing, ignored);
    for (const fs::directory_entry& entry : fs::directory_iterator(dist_, ignored))
        if (entry.path().extension() == ".so")
            fs::copy_file(entry.path(), tree + "/" + entry.path().filename().string(),
                          fs::copy_options::overwrite_existing, ignored);
    for (const char* folder : folders)
        fs::create_directory_symlink(dist_ + "/" + folder, tree + "/" + folder, ignored);
    return tree;
}

}  // namespace benchsupport
