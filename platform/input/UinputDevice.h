#pragma once
// A virtual keyboard-and-mouse made through the kernel's uinput: its keys, the
// five mouse buttons, relative motion axes (so desktops take it for a mouse,
// though it never moves) and the vertical and horizontal wheel, with their
// high-resolution axes where the kernel has them. The device lives as long as
// the object; writes from several threads are serialised.

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/input/UinputEvents.h"

namespace platform {

inline constexpr const char* kUinputPath = "/dev/uinput";
inline constexpr const char* kUinputDeviceName = "ZuroTarnMonitor virtual keyboard and mouse";

class UinputDevice {
public:
    // nullptr, with the reason in `error`, when `path` cannot be opened for
    // writing or the kernel refuses the device.
    static std::unique_ptr<UinputDevice> create(const std::string& path, std::string& error);
    ~UinputDevice();
    UinputDevice(const UinputDevice&) = delete;
    UinputDevice& operator=(const UinputDevice&) = delete;

    // All events in one write; false when the kernel did not take them all.
    bool write(const std::vector<InputEventRecord>& events);

    bool hasHighResolutionWheel() const { return highResolution_; }

private:
    UinputDevice(int fd, bool highResolution) : fd_(fd), highResolution_(highResolution) {}

    std::mutex mutex_;
    int fd_;
    bool highResolution_;
};

// Whether a kernel of release `release` (uname -r, as "6.1.0-57-amd64") reports
// high-resolution wheel axes: 5.0 and later.
bool kernelHasHighResolutionWheel(const std::string& release);

}  // namespace platform
