#pragma once
// Where the running desktop keeps its pointer settings, and the pieces that
// write them there: the X server on an X11 session, GNOME's settings
// (org.gnome.desktop.peripherals.mouse) on a GNOME Wayland session, KWin's input
// devices over D-Bus on a Plasma Wayland session. Other Wayland desktops offer
// no common place: nothing is applied there.

#include <memory>
#include <string_view>

namespace platform {

enum class PointerDesktop { X11, GnomeWayland, PlasmaWayland, OtherWayland };

// From XDG_CURRENT_DESKTOP (a colon-separated list, as "ubuntu:GNOME") and
// XDG_SESSION_TYPE; a session that is not "wayland" counts as X11.
PointerDesktop pointerDesktopOf(const char* currentDesktop, const char* sessionType);

const char* pointerDesktopName(PointerDesktop desktop);

// The Windows values the profile carries, applied the desktop's way. Each call
// returns false when the desktop has no place for the value or refused it.
class DesktopPointerControl {
public:
    virtual ~DesktopPointerControl() = default;
    // SPI_SETMOUSE: thresholds and acceleration 0 (off), 1 or 2.
    virtual bool setAcceleration(int threshold1, int threshold2, int speed) = 0;
    // SPI_SETMOUSESPEED, 1-20.
    virtual bool setPointerSpeed(int speed) = 0;
    virtual bool setDoubleClickTime(int milliseconds) = 0;
};

// The control for the session this process runs in (the environment's
// XDG_CURRENT_DESKTOP and XDG_SESSION_TYPE); its choice goes to the debug output.
std::unique_ptr<DesktopPointerControl> openDesktopPointerControl();

std::unique_ptr<DesktopPointerControl> openX11PointerControl();
// Writes the schema's keys through GIO's default backend (dconf on a desktop).
// Every call returns false when the schema is not installed.
std::unique_ptr<DesktopPointerControl> openGnomePointerControl();
// KWin ("org.kde.KWin") on the session bus, or on the bus at `busAddress` when given.
std::unique_ptr<DesktopPointerControl> openKWinPointerControl(std::string_view busAddress = {});

}  // namespace platform
