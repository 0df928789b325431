#pragma once
// An in-memory device backend for the bridge's own logic: devices are added and
// removed by the test, input reports are queued by the test, and every feature
// report is recorded.

#include <deque>
#include <map>
#include <mutex>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include "hidbridge/DeviceBackend.h"

namespace hidbridge::testing {

// Report descriptors with one top-level collection of the given usage page.
std::vector<CollectionCaps> eventCollection();
std::vector<CollectionCaps> featureCollection();

struct FakeDevice {
    DeviceInfo info;
    std::mutex mutex;
    std::deque<std::vector<std::uint8_t>> input;
    std::vector<std::vector<std::uint8_t>> featuresSet;
    int inputReady = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    bool gone = false;
    ~FakeDevice() { close(inputReady); }

    void queueInput(std::vector<std::uint8_t> report)
    {
        std::lock_guard lock(mutex);
        input.push_back(std::move(report));
        const std::uint64_t one = 1;
        (void)!write(inputReady, &one, sizeof one);
    }
    void unplug()
    {
        std::lock_guard lock(mutex);
        gone = true;
        const std::uint64_t one = 1;
        (void)!write(inputReady, &one, sizeof one);
    }
};

class FakeChannel final : public DeviceChannel {
public:
    explicit FakeChannel(std::shared_ptr<FakeDevice> device) : device_(std::move(device)) {}
    const DeviceInfo& info() const override { return device_->info; }
    bool setFeature(const std::uint8_t* report, std::size_t length) override
    {
        std::lock_guard lock(device_->mutex);
        device_->featuresSet.emplace_back(report, report + length);
        return !device_->gone;
    }
    bool getFeature(std::uint8_t* report, std::size_t length) override
    {
        std::lock_guard lock(device_->mutex);
        for (std::size_t i = 1; i < length; ++i) report[i] = std::uint8_t(i);
        return !device_->gone;
    }
    bool writeOutput(const std::uint8_t*, std::size_t) override { return true; }
    ReadStatus readInput(std::uint8_t* buffer, std::size_t capacity, std::size_t& length, int wakeFd) override
    {
        for (;;) {
            {
                std::lock_guard lock(device_->mutex);
                if (device_->gone) return ReadStatus::Gone;
                if (!device_->input.empty()) {
                    const auto report = std::move(device_->input.front());
                    device_->input.pop_front();
                    length = std::min(report.size(), capacity);
                    std::copy_n(report.begin(), length, buffer);
                    return ReadStatus::Report;
                }
            }
            pollfd fds[2] = {{device_->inputReady, POLLIN, 0}, {wakeFd, POLLIN, 0}};
            poll(fds, 2, -1);
            std::uint64_t value;
            if (fds[0].revents & POLLIN) (void)!read(device_->inputReady, &value, sizeof value);
            if (fds[1].revents & POLLIN) return ReadStatus::Woken;
        }
    }
    bool waitForInput(int wakeFd, int timeoutMs) override
    {
        {
            std::lock_guard lock(device_->mutex);
            if (!device_->input.empty() || device_->gone) return true;
        }
        pollfd fds[2] = {{device_->inputReady, POLLIN, 0}, {wakeFd, POLLIN, 0}};
        poll(fds, 2, timeoutMs);
        std::lock_guard lock(device_->mutex);
        return !device_->input.empty() || device_->gone;
    }

private:
    std::shared_ptr<FakeDevice> device_;
};

class FakeBackend final : public DeviceBackend {
public:
    FakeBackend() : hotplug_(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}
    ~FakeBackend() override { close(hotplug_); }

    std::shared_ptr<FakeDevice> plug(const std::string& path, std::uint16_t vendor, std::uint16_t product,
                                     std::vector<CollectionCaps> collections, bool announce = true)
    {
        auto device = std::make_shared<FakeDevice>();
        device->info = {path, vendor, product, 0x0100, std::move(collections)};
        std::lock_guard lock(mutex_);
        devices_[path] = device;
        if (announce) pending_.push_back({HotplugEvent::Kind::Added, path});
        ring();
        return device;
    }
    void unplug(const std::string& path)
    {
        std::lock_guard lock(mutex_);
        if (auto it = devices_.find(path); it != devices_.end()) {
            it->second->unplug();
            devices_.erase(it);
        }
        pending_.push_back({HotplugEvent::Kind::Removed, path});
        ring();
    }

    std::vector<std::string> enumerate() override
    {
        std::lock_guard lock(mutex_);
        std::vector<std::string> paths;
        for (const auto& [path, device] : devices_) paths.push_back(path);
        return paths;
    }
    std::unique_ptr<DeviceChannel> open(const std::string& path) override
    {
        std::lock_guard lock(mutex_);
        auto it = devices_.find(path);
        if (it == devices_.end()) return nullptr;
        ++opens;
        return std::make_unique<FakeChannel>(it->second);
    }
    int hotplugDescriptor() override { return hotplug_; }
    std::vector<HotplugEvent> readHotplugEvents() override
    {
        std::lock_guard lock(mutex_);
        std::uint64_t value;
        (void)!read(hotplug_, &value, sizeof value);
        std::vector<HotplugEvent> events(pending_.begin(), pending_.end());
        pending_.clear();
        return events;
    }

    int opens = 0;

private:
    void ring()
    {
        const std::uint64_t one = 1;
        (void)!write(hotplug_, &one, sizeof one);
    }
    std::mutex mutex_;
    std::map<std::string, std::shared_ptr<FakeDevice>> devices_;
    std::deque<HotplugEvent> pending_;
    int hotplug_;
};

inline std::vector<CollectionCaps> eventCollection() { return {{0x000A, 0x0000, 8, 0, 0}}; }
inline std::vector<CollectionCaps> featureCollection() { return {{0x000B, 0x0000, 0, 0, 64}}; }

}  // namespace hidbridge::testing
