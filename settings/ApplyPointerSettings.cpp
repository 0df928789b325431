#include "settings/ApplyPointerSettings.h"

#include <optional>
#include <string>

#include "platform/ini/PrivateProfile.h"
#include "platform/registry/RegistryStore.h"
#include "platform/windows/MessageWindow.h"
#include "settings/PointerRegistry.h"
#include "settings/ProfileFields.h"

namespace settings {
namespace {

struct AccelerationTriple {
    int speed = 0;
    int threshold1 = 0;
    int threshold2 = 0;

    bool anySet() const { return speed != 0 || threshold1 != 0 || threshold2 != 0; }
};

int readRegistryNumber(const std::optional<platform::RegistryKey>& key, const char* name)
{
    if (!key)
        return 0;
    const std::optional<std::string> text = key->readString(name, 80);
    return text ? platform::ini::parseInt(*text, 0) : 0;
}

AccelerationTriple effectiveAcceleration(ProfileRecord& profile)
{
    std::optional<platform::RegistryKey> mouse = platform::RegistryKey::open(kMouseKey);
    AccelerationTriple triple;
    triple.speed = readRegistryNumber(mouse, "MouseSpeed");
    triple.threshold2 = readRegistryNumber(mouse, "MouseThreshold2");
    triple.threshold1 = readRegistryNumber(mouse, "MouseThreshold1");
    if (profile.AccelerationFlag != 1 && triple.anySet()) {
        profile.Acceleration = 0;
        triple = AccelerationTriple{};
        if (mouse) {
            mouse->writeString("MouseSpeed", "0");
            mouse->writeString("MouseThreshold1", "0");
            mouse->writeString("MouseThreshold2", "0");
        }
    }
    return triple;
}

}  // namespace

void WindowSettingChangeNotifier::notifyOwnWindow(platform::WParam setting)
{
    platform::sendMessage(ownWindow_, platform::WM_WININICHANGE, setting, 0);
}

void WindowSettingChangeNotifier::notifyAllWindows(platform::WParam setting)
{
    // The name of the changed value cannot travel as a pointer between processes;
    // the SPI number in wParam tells which setting changed.
    platform::broadcastMessage(platform::WM_SETTINGCHANGE, setting, 0);
}

bool applyPointerSettings(SettingsBlock& block, bool readRegistryFirst, platform::PointerSettings& pointer,
                          SettingChangeNotifier& notifier)
{
    ProfileRecord* active = activeProfile(block);
    if (active == nullptr)
        return false;
    ProfileRecord& profile = *active;
    if (readRegistryFirst)
        registryToProfile(profile);

    // A value no page could have set (a damaged file) gives way to the default.
    pointer.setDoubleClickTime(usableValue(profile, &ProfileRecord::DbleClickSpeed));

    const AccelerationTriple acceleration = effectiveAcceleration(profile);
    pointer.setMouseAcceleration(acceleration.threshold1, acceleration.threshold2, acceleration.speed);
    notifier.notifyOwnWindow(kSpiSetMouse);

    pointer.setPointerSpeed(usableValue(profile, &ProfileRecord::MouseSpeed));
    notifier.notifyOwnWindow(kSpiSetMouseSpeed);

    pointer.setWheelScrollLines(profile.ScrollWheelFlag != 0 ? -1
                                                             : usableValue(profile, &ProfileRecord::ScrollWheelSpeed));
    notifier.notifyAllWindows(kSpiSetWheelScrollLines);

    pointer.setWheelScrollChars(usableValue(profile, &ProfileRecord::TiltSpeed));
    notifier.notifyAllWindows(kSpiSetWheelScrollChars);

    pointer.setMouseTrails(usableValue(profile, &ProfileRecord::MouseTrails));
    notifier.notifyAllWindows(kSpiSetMouseTrails);
    return true;
}

}  // namespace settings
