#pragma once
// hidbridge.so, loaded by full path from the program folder and bound by name,
// as the monitor and the firmware upgrader load it. Without the library or one
// of its exports a program runs without a device.

#include <memory>
#include <string>

#include "hidbridge/hidbridge.h"

namespace hidbridge {

inline constexpr char kBridgeLibraryFile[] = "hidbridge.so";

struct BridgeExports {
    Open_DevMonitor_t openDevMonitor = nullptr;
    Close_DevMonitor_t closeDevMonitor = nullptr;
    Open_FeatureDevice_t openFeatureDevice = nullptr;
    Close_FeatureDevice_t closeFeatureDevice = nullptr;
    SetFeature_t setFeature = nullptr;
    GetFeature_t getFeature = nullptr;
    GetMousePID_t getMousePid = nullptr;
    Hid_Write_t hidWrite = nullptr;
    Hid_Read_t hidRead = nullptr;
};

class BridgeLibrary {
public:
    // Loads `path` and binds every export. nullptr when the library cannot be
    // loaded or lacks an export; `problem` then says which, in one line.
    static std::unique_ptr<BridgeLibrary> load(const std::string& path, std::string& problem);

    // Unloads the library; the exports must no longer be called.
    ~BridgeLibrary();
    BridgeLibrary(const BridgeLibrary&) = delete;
    BridgeLibrary& operator=(const BridgeLibrary&) = delete;

    const BridgeExports& exports() const { return exports_; }

private:
    BridgeLibrary(void* handle, const BridgeExports& exports) : handle_(handle), exports_(exports) {}
    void* handle_;
    BridgeExports exports_;
};

}  // namespace hidbridge
