#include "platform/input/UinputDevice.h"

#include <fcntl.h>
#include <linux/uinput.h>
#include <sys/ioctl.h>
#include <sys/utsname.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace platform {
namespace {

constexpr int kHighResolutionMajor = 5;

bool setBit(int fd, unsigned long request, int code)
{
    return ioctl(fd, request, code) == 0;
}

std::string systemError(const char* what)
{
    return std::string(what) + ": " + std::strerror(errno);
}

// The device's capabilities; false (and `error`) when the kernel refuses one.
bool declareCapabilities(int fd, bool highResolution, std::string& error)
{
    if (!setBit(fd, UI_SET_EVBIT, EV_KEY) || !setBit(fd, UI_SET_EVBIT, EV_REL)) {
        error = systemError("UI_SET_EVBIT");
        return false;
    }
    for (const int code : declaredKeyCodes()) {
        if (!setBit(fd, UI_SET_KEYBIT, code)) {
            error = systemError("UI_SET_KEYBIT");
            return false;
        }
    }
    std::vector<int> axes = {REL_X, REL_Y, REL_WHEEL, REL_HWHEEL};
    if (highResolution) axes.insert(axes.end(), {REL_WHEEL_HI_RES, REL_HWHEEL_HI_RES});
    for (const int axis : axes) {
        if (!setBit(fd, UI_SET_RELBIT, axis)) {
            error = systemError("UI_SET_RELBIT");
            return false;
        }
    }
    return true;
}

bool kernelReleaseHasHighResolutionWheel()
{
    utsname name{};
    return uname(&name) == 0 && kernelHasHighResolutionWheel(name.release);
}

}  // namespace

bool kernelHasHighResolutionWheel(const std::string& release)
{
    int major = 0;
    return std::sscanf(release.c_str(), "%d", &major) == 1 && major >= kHighResolutionMajor;
}

std::unique_ptr<UinputDevice> UinputDevice::create(const std::string& path, std::string& error)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        error = systemError(path.c_str());
        return nullptr;
    }
    const bool highResolution = kernelReleaseHasHighResolutionWheel();
    uinput_setup setup{};
    setup.id.bustype = BUS_VIRTUAL;
    setup.id.version = 1;
    std::snprintf(setup.name, sizeof setup.name, "%s", kUinputDeviceName);
    if (!declareCapabilities(fd, highResolution, error)) {
        ::close(fd);
        return nullptr;
    }
    if (ioctl(fd, UI_DEV_SETUP, &setup) != 0 || ioctl(fd, UI_DEV_CREATE) != 0) {
        error = systemError("creating the uinput device");
        ::close(fd);
        return nullptr;
    }
    return std::unique_ptr<UinputDevice>(new UinputDevice(fd, highResolution));
}

UinputDevice::~UinputDevice()
{
    ioctl(fd_, UI_DEV_DESTROY);
    ::close(fd_);
}

bool UinputDevice::write(const std::vector<InputEventRecord>& events)
{
    if (events.empty()) return false;
    std::vector<input_event> raw(events.size());
    for (std::size_t i = 0; i < events.size(); ++i) {
        raw[i].type = events[i].type;
        raw[i].code = events[i].code;
        raw[i].value = events[i].value;
    }
    const auto* bytes = reinterpret_cast<const char*>(raw.data());
    std::size_t left = raw.size() * sizeof(input_event);
    std::lock_guard lock(mutex_);
    while (left > 0) {
        const ssize_t written = ::write(fd_, bytes, left);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

}  // namespace platform
