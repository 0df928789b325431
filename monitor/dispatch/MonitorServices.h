#pragma once
// What the dispatcher asks of the monitor itself: its settings block and
// files, its windows, its device worker and the Parley state it keeps. Every
// call is made on the window thread.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>

#include "monitor/protocol/ParleyStateReport.h"
#include "platform/Types.h"
#include "settings/InstallFolder.h"
#include "settings/SettingsBlock.h"

namespace monitor::dispatch {

class MonitorServices {
public:
    virtual ~MonitorServices() = default;

    virtual platform::WindowHandle monitorWindow() const = 0;
    virtual const settings::InstallFolder& installFolder() const = 0;

    // The monitor's private block; change it only through modifyBlock.
    virtual const settings::SettingsBlock& block() const = 0;
    virtual void modifyBlock(const std::function<void(settings::SettingsBlock&)>& change) = 0;
    // Into the shared section, under the lock.
    virtual bool copyBlockOut() = 0;
    // `InfoData` of the block into config.ini, at most once a second.
    virtual void saveStatistics() = 0;

    // The active profile's pointer values into the registry, then into the running system.
    virtual void writePointerRegistry() = 0;
    virtual void applyPointerSettings() = 0;

    // Posts to the window with exactly this title; false when there is none.
    virtual bool postToWindow(std::string_view title, platform::MessageId message, platform::WParam wParam,
                              platform::LParam lParam) = 0;
    // Thread message 1649 to the device worker.
    virtual bool postWorkerJob(platform::WParam job, platform::LParam value) = 0;
    // Command 6001.
    virtual void openConfiguration() = 0;
    // The mouse's macro notification (event value 3-8 names slot value - 3) for
    // the on-screen display; true when the display was told to show the name.
    virtual bool showMacroName(int eventValue) = 0;
    // The number registered for "WM_PARLEY_ACTIVE_STATUS_TO_PARLEY".
    virtual platform::MessageId activeStatusToParleyMessage() const = 0;

    // Parley state kept by the monitor: the window learned from command 6 (0
    // when none), the take-over flag and the inter-device lock.
    virtual platform::WindowHandle parleyWindow() const = 0;
    virtual bool parleyHasTakenOver() const = 0;
    virtual int interDeviceLock() const = 0;
    virtual void setInterDeviceLock(int state) = 0;
    // Synchronous copy-data send with sender 2024; false when it failed.
    virtual bool sendCopyData(platform::WindowHandle target, std::uint32_t dwData, const void* data,
                              std::size_t size) = 0;

    // Report 16 on the window thread, form A and form B.
    virtual bool writeParleyState(std::uint8_t a, std::uint8_t b, std::uint8_t c) = 0;
    virtual bool writeAmbientLight(const protocol::AmbientLightState& state) = 0;
};

}  // namespace monitor::dispatch
