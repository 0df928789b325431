#pragma once
// hidbridge.so loaded by full path and bound by name, as the monitor and the
// upgrader load it.

#include <string>

#include "hidbridge/hidbridge.h"

namespace hidbridge::e2e {

struct BridgeLibrary {
    void* handle = nullptr;
    Open_DevMonitor_t openDevMonitor = nullptr;
    Close_DevMonitor_t closeDevMonitor = nullptr;
    Open_FeatureDevice_t openFeatureDevice = nullptr;
    Close_FeatureDevice_t closeFeatureDevice = nullptr;
    SetFeature_t setFeature = nullptr;
    GetFeature_t getFeature = nullptr;
    GetMousePID_t getMousePid = nullptr;
    Hid_Write_t hidWrite = nullptr;
    Hid_Read_t hidRead = nullptr;

    // Empty on success, else what failed. The library stays loaded for the
    // rest of the process, as in the programs.
    std::string load(const std::string& path);
};

}  // namespace hidbridge::e2e
