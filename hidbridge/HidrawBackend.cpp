// The hidraw backend: the real mouse through the kernel's raw HID nodes, found
// and watched with libudev.

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <linux/hidraw.h>
#include <mutex>
#include <sys/ioctl.h>
#include <unistd.h>

#include <libudev.h>

#include "hidbridge/DeviceBackend.h"
#include "hidbridge/WaitReadable.h"

namespace hidbridge {
namespace {

constexpr const char* kSubsystem = "hidraw";
// Longer than any report of the mouse; the ioctl size field holds 14 bits.
constexpr std::size_t kMaxFeatureLength = 4096;

class HidrawChannel final : public DeviceChannel {
public:
    HidrawChannel(int fd, DeviceInfo info) : fd_(fd), info_(std::move(info)) {}
    ~HidrawChannel() override { close(fd_); }

    const DeviceInfo& info() const override { return info_; }

    bool setFeature(const std::uint8_t* report, std::size_t length) override
    {
        if (report == nullptr || length == 0 || length > kMaxFeatureLength) return false;
        std::vector<std::uint8_t> copy(report, report + length);
        std::lock_guard lock(mutex_);
        return ioctl(fd_, HIDIOCSFEATURE(length), copy.data()) >= 0;
    }

    bool getFeature(std::uint8_t* report, std::size_t length) override
    {
        if (report == nullptr || length == 0 || length > kMaxFeatureLength) return false;
        std::vector<std::uint8_t> copy(length, 0);
        copy[0] = report[0];
        std::lock_guard lock(mutex_);
        const int n = ioctl(fd_, HIDIOCGFEATURE(length), copy.data());
        if (n < 0) return false;
        std::memcpy(report, copy.data(), length);
        return true;
    }

    bool writeOutput(const std::uint8_t* report, std::size_t length) override
    {
        if (report == nullptr || length == 0) return false;
        std::lock_guard lock(mutex_);
        return write(fd_, report, length) == static_cast<ssize_t>(length);
    }

    ReadStatus readInput(std::uint8_t* buffer, std::size_t capacity, std::size_t& length, int wakeFd) override
    {
        switch (waitReadable(fd_, wakeFd)) {
        case Readiness::Woken: return ReadStatus::Woken;
        case Readiness::HungUp:
        case Readiness::Failed: return ReadStatus::Gone;
        case Readiness::Readable: break;
        }
        const ssize_t n = read(fd_, buffer, capacity);
        if (n < 0) return (errno == EINTR || errno == EAGAIN) ? (length = 0, ReadStatus::Report) : ReadStatus::Gone;
        length = static_cast<std::size_t>(n);
        return ReadStatus::Report;
    }

    bool waitForInput(int wakeFd, int timeoutMs) override { return readableWithin(fd_, wakeFd, timeoutMs); }

private:
    int fd_;
    DeviceInfo info_;
    std::mutex mutex_;
};

class HidrawBackend final : public DeviceBackend {
public:
    explicit HidrawBackend(udev* context) : udev_(context)
    {
        monitor_ = udev_monitor_new_from_netlink(udev_, "udev");
        if (monitor_ != nullptr) {
            udev_monitor_filter_add_match_subsystem_devtype(monitor_, kSubsystem, nullptr);
            if (udev_monitor_enable_receiving(monitor_) < 0) {
                udev_monitor_unref(monitor_);
                monitor_ = nullptr;
            } else {
                // Hotplug events are drained until none is left: never block there.
                const int fd = udev_monitor_get_fd(monitor_);
                fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
            }
        }
    }
    ~HidrawBackend() override
    {
        if (monitor_ != nullptr) udev_monitor_unref(monitor_);
        udev_unref(udev_);
    }

    std::vector<std::string> enumerate() override
    {
        std::vector<std::string> paths;
        udev_enumerate* list = udev_enumerate_new(udev_);
        if (list == nullptr) return paths;
        udev_enumerate_add_match_subsystem(list, kSubsystem);
        udev_enumerate_scan_devices(list);
        udev_list_entry* entry = nullptr;
        udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(list))
        {
            udev_device* device = udev_device_new_from_syspath(udev_, udev_list_entry_get_name(entry));
            if (device == nullptr) continue;
            if (const char* node = udev_device_get_devnode(device)) paths.emplace_back(node);
            udev_device_unref(device);
        }
        udev_enumerate_unref(list);
        std::sort(paths.begin(), paths.end());
        return paths;
    }

    std::unique_ptr<DeviceChannel> open(const std::string& path) override
    {
        const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
        if (fd < 0) return nullptr;
        DeviceInfo info;
        info.path = path;
        hidraw_devinfo raw{};
        int descriptorSize = 0;
        hidraw_report_descriptor descriptor{};
        if (ioctl(fd, HIDIOCGRAWINFO, &raw) < 0 || ioctl(fd, HIDIOCGRDESCSIZE, &descriptorSize) < 0 ||
            descriptorSize <= 0 || descriptorSize > HID_MAX_DESCRIPTOR_SIZE) {
            close(fd);
            return nullptr;
        }
        descriptor.size = static_cast<std::uint32_t>(descriptorSize);
        if (ioctl(fd, HIDIOCGRDESC, &descriptor) < 0) {
            close(fd);
            return nullptr;
        }
        info.vendorId = static_cast<std::uint16_t>(raw.vendor);
        info.productId = static_cast<std::uint16_t>(raw.product);
        info.collections = parseReportDescriptor(descriptor.value, descriptor.size);
        return std::make_unique<HidrawChannel>(fd, std::move(info));
    }

    int hotplugDescriptor() override { return monitor_ ? udev_monitor_get_fd(monitor_) : -1; }

    std::vector<HotplugEvent> readHotplugEvents() override
    {
        std::vector<HotplugEvent> events;
        if (monitor_ == nullptr) return events;
        while (udev_device* device = udev_monitor_receive_device(monitor_)) {
            const char* action = udev_device_get_action(device);
            const char* node = udev_device_get_devnode(device);
            if (action != nullptr && node != nullptr) {
                if (std::strcmp(action, "add") == 0) events.push_back({HotplugEvent::Kind::Added, node});
                if (std::strcmp(action, "remove") == 0) events.push_back({HotplugEvent::Kind::Removed, node});
            }
            udev_device_unref(device);
        }
        return events;
    }

private:
    udev* udev_;
    udev_monitor* monitor_ = nullptr;
};

}  // namespace

std::unique_ptr<DeviceBackend> createHidrawBackend()
{
    udev* context = udev_new();
    if (context == nullptr) return nullptr;
    return std::make_unique<HidrawBackend>(context);
}

}  // namespace hidbridge
