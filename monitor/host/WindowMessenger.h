#pragma once
// Messages to the windows of other programs found by their titles (the
// on-screen display, the configuration application).

#include <string_view>

#include "platform/Types.h"

namespace monitor::host {

class WindowMessenger {
public:
    virtual ~WindowMessenger() = default;
    // 0 when no window has exactly this title.
    virtual platform::WindowHandle findWindow(std::string_view title) = 0;
    virtual bool postMessage(platform::WindowHandle window, platform::MessageId message, platform::WParam wParam,
                             platform::LParam lParam) = 0;
};

// Through the platform's message windows.
class PlatformWindowMessenger : public WindowMessenger {
public:
    platform::WindowHandle findWindow(std::string_view title) override;
    bool postMessage(platform::WindowHandle window, platform::MessageId message, platform::WParam wParam,
                     platform::LParam lParam) override;
};

}  // namespace monitor::host
