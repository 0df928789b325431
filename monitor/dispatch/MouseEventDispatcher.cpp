#include "monitor/dispatch/MouseEventDispatcher.h"

#include "monitor/dispatch/DispatchTable.h"
#include "monitor/dispatch/EventWord.h"

namespace monitor::dispatch {

void MouseEventDispatcher::onDeviceEvent(std::uint32_t eventWord)
{
    dispatchMouseEvent(context_, decodeEventWord(eventWord));
}

platform::LResult MouseEventDispatcher::onParleyCommand(ParleySource source, platform::WParam command,
                                                        platform::LParam value)
{
    return handleParleyCommand(context_.services, source, command, value);
}

void MouseEventDispatcher::onAmbientLight()
{
    context_.services.writeAmbientLight(ambientLight_);
}

void MouseEventDispatcher::onWebScroll(platform::WParam count, platform::LParam leftFlag)
{
    context_.host.webScroll(count, leftFlag != 0);
}

void MouseEventDispatcher::onTimer(std::uint32_t id)
{
    context_.host.onTimer(id);
}

void MouseEventDispatcher::onShutdown()
{
    context_.host.shutdown();
}

}  // namespace monitor::dispatch
