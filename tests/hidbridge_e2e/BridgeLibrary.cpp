#include "tests/hidbridge_e2e/BridgeLibrary.h"

#include <dlfcn.h>

namespace hidbridge::e2e {
namespace {

template <typename Function>
bool bind(void* handle, const char* name, Function& target)
{
    target = reinterpret_cast<Function>(dlsym(handle, name));
    return target != nullptr;
}

}  // namespace

std::string BridgeLibrary::load(const std::string& path)
{
    handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) return dlerror();
    const bool bound = bind(handle, "Open_DevMonitor", openDevMonitor) &&
                       bind(handle, "Close_DevMonitor", closeDevMonitor) &&
                       bind(handle, "Open_FeatureDevice", openFeatureDevice) &&
                       bind(handle, "Close_FeatureDevice", closeFeatureDevice) &&
                       bind(handle, "SetFeature", setFeature) && bind(handle, "GetFeature", getFeature) &&
                       bind(handle, "GetMousePID", getMousePid) && bind(handle, "Hid_Write", hidWrite) &&
                       bind(handle, "Hid_Read", hidRead);
    return bound ? std::string() : std::string("an export is missing: ") + dlerror();
}

}  // namespace hidbridge::e2e
