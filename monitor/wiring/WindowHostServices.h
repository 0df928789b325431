#pragma once
// The host functions' view of the monitor window: its block, its profile
// switch steps, its timers and the configuration application's window.

#include "monitor/app/EventDispatcher.h"
#include "monitor/host/HostFunctions.h"

namespace monitor::wiring {

class WindowHostServices final : public host::HostServices {
public:
    explicit WindowHostServices(app::MonitorServices& window) : window_(window) {}

    const settings::SettingsBlock& block() const override { return window_.block(); }
    void releaseInterDeviceLock() override;
    void setCurrentProfile(int profile) override;
    void copyBlockOut() override { window_.copyBlockOut(); }
    void sendActiveProfileToMouse() override;
    void writePointerRegistry() override;
    void applyPointerSettings() override { window_.applyPointerSettings(); }
    bool applicationWindowExists() const override;
    void notifyApplicationProfileChanged() override;
    void sendCpiLevelsToParley() override;

    void setTimer(host::TimerId id, std::uint32_t periodMs) override { window_.setTimer(id, periodMs); }
    void killTimer(host::TimerId id) override { window_.killTimer(id); }

    platform::WindowHandle monitorWindow() const override { return window_.monitorWindow(); }

private:
    app::MonitorServices& window_;
};

}  // namespace monitor::wiring
