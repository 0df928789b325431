#include "platform/registry/DesktopPointerControl.h"

#include <cstdlib>
#include <string>

#include "platform/registry/PointerMapping.h"
#include "platform/registry/X11PointerControl.h"
#include "platform/system/DebugOutput.h"

namespace platform {
namespace {

bool sameIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

bool listNames(std::string_view list, std::string_view name)
{
    while (!list.empty()) {
        const std::size_t colon = list.find(':');
        if (sameIgnoringCase(list.substr(0, colon), name)) return true;
        if (colon == std::string_view::npos) break;
        list.remove_prefix(colon + 1);
    }
    return false;
}

class X11DesktopPointerControl final : public DesktopPointerControl {
public:
    bool setAcceleration(int threshold1, int threshold2, int speed) override
    {
        return x11_.setAcceleration(xPointerAcceleration(threshold1, threshold2, speed));
    }
    bool setPointerSpeed(int speed) override { return x11_.setLibinputAccelSpeed(libinputAccelSpeed(speed)); }
    // X11 has no system-wide double-click time.
    bool setDoubleClickTime(int) override { return false; }

private:
    X11PointerControl x11_;
};

class NoDesktopPointerControl final : public DesktopPointerControl {
public:
    bool setAcceleration(int, int, int) override { return false; }
    bool setPointerSpeed(int) override { return false; }
    bool setDoubleClickTime(int) override { return false; }
};

}  // namespace

PointerDesktop pointerDesktopOf(const char* currentDesktop, const char* sessionType)
{
    if (sessionType == nullptr || !sameIgnoringCase(sessionType, "wayland")) return PointerDesktop::X11;
    const std::string_view desktops = currentDesktop == nullptr ? "" : currentDesktop;
    if (listNames(desktops, "GNOME")) return PointerDesktop::GnomeWayland;
    if (listNames(desktops, "KDE")) return PointerDesktop::PlasmaWayland;
    return PointerDesktop::OtherWayland;
}

const char* pointerDesktopName(PointerDesktop desktop)
{
    switch (desktop) {
    case PointerDesktop::X11: return "the X server";
    case PointerDesktop::GnomeWayland: return "GNOME's settings";
    case PointerDesktop::PlasmaWayland: return "KWin's input devices";
    case PointerDesktop::OtherWayland: return "nowhere (a Wayland desktop without a known place)";
    }
    return "";
}

std::unique_ptr<DesktopPointerControl> openX11PointerControl()
{
    return std::make_unique<X11DesktopPointerControl>();
}

std::unique_ptr<DesktopPointerControl> openDesktopPointerControl()
{
    const PointerDesktop desktop = pointerDesktopOf(std::getenv("XDG_CURRENT_DESKTOP"), std::getenv("XDG_SESSION_TYPE"));
    debugPrintf("pointer settings: applied to %s\n", pointerDesktopName(desktop));
    switch (desktop) {
    case PointerDesktop::X11: return openX11PointerControl();
    case PointerDesktop::GnomeWayland: return openGnomePointerControl();
    case PointerDesktop::PlasmaWayland: return openKWinPointerControl();
    case PointerDesktop::OtherWayland: break;
    }
    return std::make_unique<NoDesktopPointerControl>();
}

}  // namespace platform
