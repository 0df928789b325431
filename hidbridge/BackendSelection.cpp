#include <cstdlib>
#include <string_view>

#include "hidbridge/DeviceBackend.h"

namespace hidbridge {

std::vector<std::unique_ptr<DeviceBackend>> createBackends()
{
    const char* choice = std::getenv("ZURO_HID_BACKEND");
    const std::string_view wanted = choice ? choice : "";
    std::vector<std::unique_ptr<DeviceBackend>> backends;
    if (wanted.empty() || wanted == "hidraw") backends.push_back(createHidrawBackend());
    if (wanted.empty() || wanted == "simulator") backends.push_back(createSimulatorBackend());
    std::erase(backends, nullptr);
    return backends;
}

}  // namespace hidbridge
