#pragma once
// The monitor's icon in the notification area. Clicks reach the monitor window
// as its tray callback message; the menu's entries as its commands.

#include <memory>
#include <string>

#include "platform/Types.h"

namespace monitor::app {

inline constexpr char kTrayToolTip[] = "Zuro Vell Lumic Noxa Edition";
inline constexpr char kTrayMenuConfiguration[] = "Configuration";
inline constexpr char kTrayMenuExit[] = "Exit";

class TrayIcon {
public:
    virtual ~TrayIcon() = default;
    virtual void setShown(bool shown) = 0;
    virtual bool isShown() const = 0;
    virtual void setToolTip(const std::string& text) = 0;
    // The menu "Configuration" (default) / "Exit" at the cursor.
    virtual void showMenu() = 0;
    // Brings the monitor's last active pop-up (its menu) to the front.
    virtual void raiseLastPopup() = 0;
};

// The system tray's icon, reporting to `window`; nullptr when the process has no
// widget application (no display).
std::unique_ptr<TrayIcon> createSystemTrayIcon(platform::WindowHandle window);

}  // namespace monitor::app
