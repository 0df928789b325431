#include "monitor/dispatch/WindowEventDispatcher.h"

#include "messages/MessageNumbers.h"
#include "monitor/app/ParleyLink.h"
#include "monitor/dispatch/MouseEventDispatcher.h"
#include "monitor/protocol/DeviceOperations.h"
#include "platform/windows/MessageWindow.h"
#include "settings/ConfigKeys.h"
#include "settings/PointerRegistry.h"

namespace monitor::dispatch {
namespace {

class WindowServices final : public MonitorServices {
public:
    explicit WindowServices(app::MonitorServices& window) : window_(window) {}

    platform::WindowHandle monitorWindow() const override { return window_.monitorWindow(); }
    const settings::InstallFolder& installFolder() const override { return window_.installFolder(); }
    const settings::SettingsBlock& block() const override { return window_.block(); }
    void modifyBlock(const std::function<void(settings::SettingsBlock&)>& change) override
    {
        window_.modifyBlock(change);
    }
    bool copyBlockOut() override { return window_.copyBlockOut(); }

    void writePointerRegistry() override
    {
        if (const settings::ProfileRecord* profile = settings::activeProfile(window_.block()))
            settings::profileToRegistry(*profile);
    }
    void applyPointerSettings() override { window_.applyPointerSettings(); }

    bool postToWindow(std::string_view title, platform::MessageId message, platform::WParam wParam,
                      platform::LParam lParam) override
    {
        const platform::WindowHandle target = platform::findWindow(title);
        return target != 0 && platform::postMessage(target, message, wParam, lParam);
    }
    bool postWorkerJob(platform::WParam job, platform::LParam value) override
    {
        return window_.postWorkerJob(job, value);
    }
    void openConfiguration() override { window_.openConfiguration(); }
    // The display program may change its setting at any time; it is read when needed.
    bool osdShowsMacroNames() const override
    {
        settings::OsdSettings osd;
        return settings::readOsdSettings(window_.installFolder(), osd) && osd.showsMacroNames();
    }
    // Registering a name again gives the number the window registered at start-up.
    platform::MessageId activeStatusToParleyMessage() const override
    {
        return platform::registerWindowMessage(
            messages::kRegisteredMessageNames[messages::kActiveStatusToParleyIndex]);
    }

    platform::WindowHandle parleyWindow() const override { return window_.parley().parleyWindow(); }
    bool parleyHasTakenOver() const override { return window_.parley().hasTakenOver(); }
    int interDeviceLock() const override { return window_.parley().interDeviceLock(); }
    void setInterDeviceLock(int state) override { window_.parley().setInterDeviceLock(state); }
    bool sendCopyData(platform::WindowHandle target, std::uint32_t dwData, const void* data,
                      std::size_t size) override
    {
        return platform::sendCopyData(target, messages::kParleyCopyDataSender, dwData, data, size) != 0;
    }

    bool writeParleyState(std::uint8_t a, std::uint8_t b, std::uint8_t c) override
    {
        return protocol::writeParleyState(window_.deviceLink(), a, b, c);
    }
    bool writeAmbientLight(const protocol::AmbientLightState& state) override
    {
        return protocol::writeAmbientLight(window_.deviceLink(), state);
    }

private:
    app::MonitorServices& window_;
};

class WindowEventDispatcher final : public app::EventDispatcher {
public:
    WindowEventDispatcher(app::MonitorServices& window, HostActions& host)
        : services_(window), dispatcher_(services_, host)
    {
    }
    WindowEventDispatcher(app::MonitorServices& window, std::unique_ptr<HostActions> host)
        : ownedHost_(std::move(host)), services_(window), dispatcher_(services_, *ownedHost_)
    {
    }

    void onDeviceEvent(std::uint32_t eventWord) override { dispatcher_.onDeviceEvent(eventWord); }
    platform::LResult onParleyCommand(app::ParleySource source, platform::WParam command,
                                      platform::LParam value) override
    {
        return dispatcher_.onParleyCommand(source == app::ParleySource::StatusMessage ? ParleySource::StatusMessage
                                                                                      : ParleySource::RegisteredMessage,
                                           command, value);
    }
    void onAmbientLight() override { dispatcher_.onAmbientLight(); }
    void onWebScroll(platform::WParam count, platform::LParam leftFlag) override
    {
        dispatcher_.onWebScroll(count, leftFlag);
    }
    void onTimer(std::uint32_t id) override { dispatcher_.onTimer(id); }
    void onShutdown() override { dispatcher_.onShutdown(); }

private:
    std::unique_ptr<HostActions> ownedHost_;
    WindowServices services_;
    MouseEventDispatcher dispatcher_;
};

}  // namespace

std::unique_ptr<app::EventDispatcher> createWindowEventDispatcher(app::MonitorServices& services, HostActions& host)
{
    return std::make_unique<WindowEventDispatcher>(services, host);
}

std::unique_ptr<app::EventDispatcher> createWindowEventDispatcher(app::MonitorServices& services,
                                                                  std::unique_ptr<HostActions> host)
{
    if (!host)
        return app::createLoggingEventDispatcher(services);
    return std::make_unique<WindowEventDispatcher>(services, std::move(host));
}

}  // namespace monitor::dispatch
