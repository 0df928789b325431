#include "monitor/wiring/HostFunctionActions.h"

#include "monitor/dispatch/WindowEventDispatcher.h"
#include "platform/system/DebugOutput.h"
#include "settings/ConfigKeys.h"

namespace monitor::wiring {
namespace {

// The host functions' tilt values: 1 scrolls right, 255 left.
constexpr int kTiltValueRight = 1;
constexpr int kTiltValueLeft = 255;
// The display's macro notification names slot index 0-5 as event value 3-8.
constexpr int kFirstMacroNameEvent = 3;
constexpr int kMacroNameSlots = 6;

}  // namespace

std::unique_ptr<HostFunctionActions> HostFunctionActions::create(app::MonitorServices& window)
{
    std::unique_ptr<PlatformDesktop> desktop = PlatformDesktop::open();
    // `zuroctl status` tells from this how keys and buttons reach the programs.
    settings::writeInputInjector(window.installFolder(),
                                 desktop ? platform::injectionMethodName(desktop->injectionMethod()) : "none");
    if (!desktop) {
        platform::debugOutput("HostFunctions: the desktop cannot be opened\n");
        return nullptr;
    }
    std::unique_ptr<HostFunctionActions> actions(new HostFunctionActions(window, std::move(desktop)));
    if (!actions->host_.start()) {
        platform::debugOutput("HostFunctions: the macro player cannot be started\n");
        return nullptr;
    }
    return actions;
}

HostFunctionActions::HostFunctionActions(app::MonitorServices& window, std::unique_ptr<PlatformDesktop> desktop)
    : desktop_(std::move(desktop)), services_(window),
      host_(services_, desktop_->desktop(window.installFolder()), window.installFolder())
{
}

HostFunctionActions::~HostFunctionActions()
{
    shutdown();
}

void HostFunctionActions::tiltScroll(int direction)
{
    if (direction == -1)
        host_.onWheelTilt(kTiltValueRight);
    else if (direction == 1)
        host_.onWheelTilt(kTiltValueLeft);
}

bool HostFunctionActions::osdRequest(int slotIndex)
{
    if (slotIndex < 0 || slotIndex >= kMacroNameSlots)
        return false;
    return host_.display().showMacroName(services_.block(), slotIndex + kFirstMacroNameEvent);
}

void HostFunctionActions::shutdown()
{
    if (shutDown_)
        return;
    shutDown_ = true;
    // The player lets go of its keys when it stops.
    if (!host_.shutdown(kPlayerStopLimit))
        platform::debugOutput("HostFunctions: the macro player did not stop in time\n");
}

std::unique_ptr<app::EventDispatcher> createMonitorDispatcher(app::MonitorServices& window)
{
    return dispatch::createWindowEventDispatcher(window, HostFunctionActions::create(window));
}

}  // namespace monitor::wiring
