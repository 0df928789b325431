#include "monitor/host/ProfileActivation.h"

namespace monitor::host {

bool makeProfileActive(ProfileSwitchServices& services, int profile)
{
    if (!settings::isValidProfileIndex(profile)) return false;
    services.releaseInterDeviceLock();
    services.setCurrentProfile(profile);
    services.copyBlockOut();
    services.sendActiveProfileToMouse();
    services.writePointerRegistry();
    services.applyPointerSettings();
    if (services.applicationWindowExists()) services.notifyApplicationProfileChanged();
    services.sendCpiLevelsToParley();
    return true;
}

}  // namespace monitor::host
