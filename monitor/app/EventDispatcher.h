#pragma once
// The seam between the monitor's window and the handlers of the mouse's events,
// the Parley commands the window does not handle itself, the feedback timers
// and the scrolling. The lifecycle, the shared block and the Parley device table
// stay with the window; everything that reacts to buttons plugs in here.

#include <cstdint>
#include <functional>
#include <memory>

#include "monitor/protocol/DeviceLink.h"
#include "platform/Types.h"
#include "settings/InstallFolder.h"
#include "settings/SettingsBlock.h"

namespace monitor::app {

class ParleyLink;

// What the monitor offers the handlers. Every call is made on the window thread.
class MonitorServices {
public:
    virtual ~MonitorServices() = default;
    virtual platform::WindowHandle monitorWindow() const = 0;
    virtual const settings::InstallFolder& installFolder() const = 0;
    virtual bool mousePresent() const = 0;
    // The monitor's private block; change it only through modifyBlock.
    virtual const settings::SettingsBlock& block() const = 0;
    virtual void modifyBlock(const std::function<void(settings::SettingsBlock&)>& change) = 0;
    virtual bool copyBlockOut() = 0;
    // `InfoData` into config.ini at most once a second; a later change waits for
    // the rest of the second, and the shutdown writes what is still due.
    virtual void saveStatistics() = 0;
    // The on-screen display's macro name for the mouse's notification, event
    // value 3-8; true when the display was told.
    virtual bool showMacroName(int eventValue) = 0;
    virtual protocol::DeviceLink& deviceLink() = 0;
    virtual bool postWorkerJob(platform::WParam job, platform::LParam value) = 0;
    virtual bool postMacroRun(platform::WParam wParam, platform::LParam lParam) = 0;
    virtual void setTimer(std::uint32_t id, std::uint32_t intervalMs) = 0;
    virtual void killTimer(std::uint32_t id) = 0;
    virtual void applyPointerSettings() = 0;
    virtual void openConfiguration() = 0;
    virtual void updateTrayIcon() = 0;
    virtual ParleyLink& parley() = 0;
};

// Where the Parley command came from: message 2025 or the registered "WM_PARLEY_MSG".
enum class ParleySource { StatusMessage, RegisteredMessage };

class EventDispatcher {
public:
    virtual ~EventDispatcher() = default;
    // Message 1325 as one event word: event type (code x 256) high, value low.
    virtual void onDeviceEvent(std::uint32_t eventWord) = 0;
    // Commands other than those the window handles (4, 6, 7, 8, 9, 10).
    virtual platform::LResult onParleyCommand(ParleySource source, platform::WParam command,
                                              platform::LParam value) = 0;
    virtual void onAmbientLight() = 0;
    // Message 1238: web-control scroll.
    virtual void onWebScroll(platform::WParam count, platform::LParam leftFlag) = 0;
    // Timers other than 502: 500 (game-linked switching), 102, 600-610.
    virtual void onTimer(std::uint32_t id) = 0;
    // Shutdown: stop the feedback timers and release what the handlers hold.
    virtual void onShutdown() = 0;
};

constexpr std::uint32_t eventWord(platform::WParam wParam, platform::LParam lParam)
{
    return (static_cast<std::uint32_t>(wParam & 0xFFFF) << 16) | static_cast<std::uint32_t>(lParam & 0xFFFF);
}

// Until the event handlers are in: every event and command is written to the
// debug output and otherwise ignored; the feedback timers are stopped at shutdown.
std::unique_ptr<EventDispatcher> createLoggingEventDispatcher(MonitorServices& services);

}  // namespace monitor::app
