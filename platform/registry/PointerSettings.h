#pragma once
// The running system's pointer settings, in place of SystemParametersInfo and
// SetDoubleClickTime. On X11 the acceleration reaches the server through
// XChangePointerControl and the pointer speed through the libinput speed of the
// pointer devices; values the desktop has no system-wide place for are kept in
// the registry store so that they read back as set. Failures are reported by the
// return value only; callers are free to ignore them.

#include <memory>

namespace platform {

class PointerSettings {
public:
    virtual ~PointerSettings() = default;
    virtual bool setDoubleClickTime(int milliseconds) = 0;
    // SPI_SETMOUSE: the two thresholds and the acceleration (0 off, 1 or 2).
    virtual bool setMouseAcceleration(int threshold1, int threshold2, int speed) = 0;
    // SPI_SETMOUSESPEED: 1 (slowest) to 20 (fastest), 10 is unchanged motion.
    virtual bool setPointerSpeed(int speed) = 0;
    virtual bool setWheelScrollLines(int lines) = 0;   // -1: one page
    virtual bool setWheelScrollChars(int chars) = 0;
    virtual bool setMouseTrails(int trails) = 0;
};

// The system's implementation: X11 when a display is reachable, otherwise one
// that only records the values.
std::unique_ptr<PointerSettings> createSystemPointerSettings();

}  // namespace platform
