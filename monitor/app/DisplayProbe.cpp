#include "monitor/app/DisplayProbe.h"

#include <cstdlib>
#include <string_view>

#include <X11/Xlib.h>

namespace monitor::app {
namespace {

std::string_view environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

bool xDisplayAnswers()
{
    if (environment("DISPLAY").empty())
        return false;
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return false;
    XCloseDisplay(display);
    return true;
}

}  // namespace

bool displayReachable()
{
    const std::string_view platform = environment("QT_QPA_PLATFORM");
    if (platform.starts_with("offscreen") || platform.starts_with("minimal"))
        return true;
    if (platform.starts_with("wayland"))
        return !environment("WAYLAND_DISPLAY").empty();
    if (platform.empty() && !environment("WAYLAND_DISPLAY").empty())
        return true;
    return xDisplayAnswers();
}

}  // namespace monitor::app
