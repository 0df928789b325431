#include "monitor/host/WindowMessenger.h"

#include "platform/windows/MessageWindow.h"

namespace monitor::host {

platform::WindowHandle PlatformWindowMessenger::findWindow(std::string_view title)
{
    return platform::findWindow(title);
}

bool PlatformWindowMessenger::postMessage(platform::WindowHandle window, platform::MessageId message,
                                          platform::WParam wParam, platform::LParam lParam)
{
    return platform::postMessage(window, message, wParam, lParam);
}

}  // namespace monitor::host
