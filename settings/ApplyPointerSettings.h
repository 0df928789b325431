#pragma once
// Makes the active profile's pointer settings take effect in the running system
// (monitor only).

#include "platform/Types.h"
#include "platform/registry/PointerSettings.h"
#include "settings/SettingsBlock.h"

namespace settings {

// The change notifications that tell other programs a pointer setting changed.
class SettingChangeNotifier {
public:
    virtual ~SettingChangeNotifier() = default;
    // WM_WININICHANGE sent to the monitor's own window.
    virtual void notifyOwnWindow(platform::WParam setting) = 0;
    // WM_SETTINGCHANGE posted to every window.
    virtual void notifyAllWindows(platform::WParam setting) = 0;
};

// Notifications through the message windows of the platform layer.
class WindowSettingChangeNotifier : public SettingChangeNotifier {
public:
    explicit WindowSettingChangeNotifier(platform::WindowHandle ownWindow) : ownWindow_(ownWindow) {}
    void notifyOwnWindow(platform::WParam setting) override;
    void notifyAllWindows(platform::WParam setting) override;

private:
    platform::WindowHandle ownWindow_;
};

// The SPI numbers that the notifications carry.
inline constexpr platform::WParam kSpiSetMouse = 4;
inline constexpr platform::WParam kSpiSetMouseTrails = 93;
inline constexpr platform::WParam kSpiSetWheelScrollLines = 105;
inline constexpr platform::WParam kSpiSetWheelScrollChars = 109;
inline constexpr platform::WParam kSpiSetMouseSpeed = 113;

// Applies the pointer fields of the active profile; with `readRegistryFirst` the
// profile first takes the registry's values. An acceleration left in the
// registry while the profile has it off is reset to 0 there and in the profile.
// False without an active profile (nothing is applied); failures of single
// settings are ignored.
bool applyPointerSettings(SettingsBlock& block, bool readRegistryFirst, platform::PointerSettings& pointer,
                          SettingChangeNotifier& notifier);

}  // namespace settings
