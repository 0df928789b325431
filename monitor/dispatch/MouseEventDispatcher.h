#pragma once
// Everything the monitor's window hands over: the mouse's events, the Parley
// commands it does not handle itself, the ambient-light event, the web-control
// scroll, the host timers and the shutdown.

#include <cstdint>

#include "monitor/dispatch/DispatchContext.h"
#include "monitor/dispatch/ParleyCommands.h"
#include "monitor/protocol/ParleyStateReport.h"
#include "platform/Types.h"

namespace monitor::dispatch {

class MouseEventDispatcher {
public:
    MouseEventDispatcher(MonitorServices& services, HostActions& host) : context_{services, host} {}

    // Message 1325 as one event word.
    void onDeviceEvent(std::uint32_t eventWord);
    platform::LResult onParleyCommand(ParleySource source, platform::WParam command, platform::LParam value);
    // Registered "WM_PARLEY_AMBIENT_EVENT_LIGHT_FROM_PARLEY".
    void onAmbientLight();
    // Message 1238.
    void onWebScroll(platform::WParam count, platform::LParam leftFlag);
    // Timers 102, 500 and 600-610.
    void onTimer(std::uint32_t id);
    void onShutdown();

private:
    DispatchContext context_;
    // Filled from the Parley side's own block, which this monitor never opens:
    // form B carries its zeros.
    protocol::AmbientLightState ambientLight_;
};

}  // namespace monitor::dispatch
