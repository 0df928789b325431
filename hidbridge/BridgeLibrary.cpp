#include "hidbridge/BridgeLibrary.h"

#include <dlfcn.h>

namespace hidbridge {
namespace {

template <typename Function>
bool bind(void* handle, const char* name, Function& function, std::string& problem)
{
    function = reinterpret_cast<Function>(dlsym(handle, name));
    if (!function && problem.empty())
        problem = std::string(kBridgeLibraryFile) + " lacks the export " + name;
    return function != nullptr;
}

}  // namespace

std::unique_ptr<BridgeLibrary> BridgeLibrary::load(const std::string& path, std::string& problem)
{
    problem.clear();
    // RTLD_LOCAL: the library's own symbols stay out of the monitor's namespace.
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* reason = dlerror();
        problem = std::string(kBridgeLibraryFile) + " cannot be loaded: " + (reason ? reason : path);
        return nullptr;
    }
    BridgeExports exports;
    bool complete = bind(handle, "Open_DevMonitor", exports.openDevMonitor, problem);
    complete = bind(handle, "Close_DevMonitor", exports.closeDevMonitor, problem) && complete;
    complete = bind(handle, "Open_FeatureDevice", exports.openFeatureDevice, problem) && complete;
    complete = bind(handle, "Close_FeatureDevice", exports.closeFeatureDevice, problem) && complete;
    complete = bind(handle, "SetFeature", exports.setFeature, problem) && complete;
    complete = bind(handle, "GetFeature", exports.getFeature, problem) && complete;
    complete = bind(handle, "GetMousePID", exports.getMousePid, problem) && complete;
    complete = bind(handle, "Hid_Write", exports.hidWrite, problem) && complete;
    complete = bind(handle, "Hid_Read", exports.hidRead, problem) && complete;
    if (!complete) {
        dlclose(handle);
        return nullptr;
    }
    return std::unique_ptr<BridgeLibrary>(new BridgeLibrary(handle, exports));
}

BridgeLibrary::~BridgeLibrary()
{
    dlclose(handle_);
}

}  // namespace hidbridge
