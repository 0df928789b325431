// The exported functions of hidbridge.so over one process-wide device monitor.

#include "hidbridge/hidbridge.h"

#include <memory>
#include <mutex>

#include "hidbridge/DeviceMonitor.h"
#include "platform/power/SleepWatcher.h"
#include "platform/windows/MessageWindow.h"

namespace {

using hidbridge::DeviceMonitor;

DeviceMonitor& monitor()
{
    static DeviceMonitor instance(hidbridge::createBackends,
                                  [](std::uint32_t window, std::uint32_t message, std::uint64_t wParam,
                                     std::int64_t lParam) { platform::postMessage(window, message, wParam, lParam); });
    return instance;
}

// Sleep and wake reach the monitor while monitoring is open.
std::mutex sleepMutex;
std::unique_ptr<platform::SleepWatcher> sleepWatcher;

void watchSleep()
{
    std::lock_guard lock(sleepMutex);
    if (sleepWatcher) return;
    sleepWatcher = platform::SleepWatcher::start([](bool goingToSleep) {
        if (goingToSleep)
            monitor().machineSuspending();
        else
            monitor().machineResumed();
    });
}

void stopWatchingSleep()
{
    std::unique_ptr<platform::SleepWatcher> watcher;
    {
        std::lock_guard lock(sleepMutex);
        watcher = std::move(sleepWatcher);
    }
}

}  // namespace

extern "C" {

__attribute__((visibility("default"))) int Open_DevMonitor(uint32_t window, uint32_t eventMessage,
                                                           uint32_t deviceMessage)
{
    const int result = monitor().openDevMonitor(window, eventMessage, deviceMessage);
    if (result) watchSleep();
    return result;
}

__attribute__((visibility("default"))) int Close_DevMonitor(int)
{
    stopWatchingSleep();
    return monitor().closeDevMonitor();
}

__attribute__((visibility("default"))) int Open_FeatureDevice(void) { return monitor().openFeatureDevice(); }

__attribute__((visibility("default"))) int Close_FeatureDevice(void) { return monitor().closeFeatureDevice(); }

__attribute__((visibility("default"))) int SetFeature(unsigned char* buffer, int length)
{
    return monitor().setFeature(buffer, length);
}

__attribute__((visibility("default"))) int GetFeature(unsigned char* buffer, int length)
{
    return monitor().getFeature(buffer, length);
}

__attribute__((visibility("default"))) int GetMousePID(void) { return monitor().mouseProductId(); }

__attribute__((visibility("default"))) void Hid_Write(int deviceId, const unsigned char* data, int length)
{
    monitor().hidWrite(deviceId, data, length);
}

__attribute__((visibility("default"))) void Hid_Read(int deviceId, unsigned char* buffer)
{
    monitor().hidRead(deviceId, buffer);
}

}  // extern "C"
