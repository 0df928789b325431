#pragma once
// The running system's pointer settings, in place of SystemParametersInfo and
// SetDoubleClickTime. The acceleration, the pointer speed and the double-click
// time go where the session's desktop keeps them (DesktopPointerControl.h): on
// X11 the acceleration reaches the server through XChangePointerControl and the
// pointer speed through the libinput speed of the pointer devices
// (PointerMapping.h says how the values translate); GNOME and Plasma on Wayland
// take them in their own settings. Every value set is also kept in the registry
// store under kSystemParametersKey, so that it reads back as set; values the
// desktop has no place for (the wheel values and the mouse trails everywhere,
// the double-click time on X11 and Plasma) are only kept there. With no display
// the values are still kept. A call returns false for a value out of range (nothing
// is changed then) or when the value could be neither kept nor applied; callers
// are free to ignore the result.

#include <memory>

#include "platform/registry/DesktopPointerControl.h"

namespace platform {

inline constexpr const char* kSystemParametersKey = "Software\\Vantro\\ZuroNoxa\\SystemParameters";
inline constexpr const char* kDoubleClickTimeValue = "DoubleClickTime";
inline constexpr const char* kMouseThreshold1Value = "MouseThreshold1";
inline constexpr const char* kMouseThreshold2Value = "MouseThreshold2";
inline constexpr const char* kMouseAccelerationValue = "MouseAcceleration";
inline constexpr const char* kPointerSpeedValue = "PointerSpeed";
inline constexpr const char* kWheelScrollLinesValue = "WheelScrollLines";
inline constexpr const char* kWheelScrollCharsValue = "WheelScrollChars";
inline constexpr const char* kMouseTrailsValue = "MouseTrails";

class PointerSettings {
public:
    virtual ~PointerSettings() = default;
    // Milliseconds; 0 gives the default of 500, more than 5000 is taken as 5000.
    virtual bool setDoubleClickTime(int milliseconds) = 0;
    // SPI_SETMOUSE: the two thresholds (0 or more) and the acceleration (0 off, 1 or 2).
    virtual bool setMouseAcceleration(int threshold1, int threshold2, int speed) = 0;
    // SPI_SETMOUSESPEED: 1 (slowest) to 20 (fastest), 10 is unchanged motion.
    virtual bool setPointerSpeed(int speed) = 0;
    virtual bool setWheelScrollLines(int lines) = 0;   // -1: one page
    virtual bool setWheelScrollChars(int chars) = 0;
    virtual bool setMouseTrails(int trails) = 0;       // 0 or 1: no trails
};

// The system's implementation: applies to the session's desktop
// (openDesktopPointerControl) and keeps every value in the registry store.
std::unique_ptr<PointerSettings> createSystemPointerSettings();
// The same over a given desktop control.
std::unique_ptr<PointerSettings> createPointerSettings(std::unique_ptr<DesktopPointerControl> desktop);

}  // namespace platform
