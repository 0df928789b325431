#pragma once
// What the status command reports: whether the monitor runs, whether it has the
// mouse, how it injects keys and buttons, its firmware version and the active profile.
#include <string>

#include "option/core/ApplicationCore.h"

namespace option::core {

struct DeviceStatus {
    bool monitorRunning = false;
    bool mousePresent = false;    // the monitor's `Device` key, only while it runs
    std::string inputInjector;    // "uinput", "xtest" or "none"; "" unless the monitor runs
    std::string firmwareVersion;  // FirmwareVersionText
    int activeProfile = -1;
};

DeviceStatus readDeviceStatus(const ApplicationCore& core);

}  // namespace option::core
