#include "mousesim/BusPaths.h"

#include "hidbridge/SimulatorBus.h"
#include "platform/system/RuntimeDirectory.h"

namespace mousesim {

std::string busFolder()
{
    const std::string runtime = platform::runtimeDirectory();
    if (runtime.empty()) return {};
    return runtime + std::string(hidbridge::simbus::kFolderName) + "/";
}

std::string controlSocketPath()
{
    const std::string folder = busFolder();
    if (folder.empty()) return {};
    return folder + std::string(kControlSocketName);
}

}  // namespace mousesim
