#pragma once
// Making a profile slot active on the host's side: the private block, the
// shared section, the mouse, the pointer settings, the configuration
// application and the inter-device partners all learn of it.

#include "monitor/host/BlockReader.h"

namespace monitor::host {

// What the monitor's window does for a profile switch.
class ProfileSwitchServices : public BlockReader {
public:
    virtual void releaseInterDeviceLock() = 0;
    // Sets CurrentProfile in the private block.
    virtual void setCurrentProfile(int profile) = 0;
    virtual void copyBlockOut() = 0;
    // Device worker job 3: the active profile to the mouse.
    virtual void sendActiveProfileToMouse() = 0;
    // The active profile's pointer settings to the registry store, so the next
    // registry-to-profile step reads this profile's values, not the previous one's.
    virtual void writePointerRegistry() = 0;
    // The pointer settings to the running system.
    virtual void applyPointerSettings() = 0;
    virtual bool applicationWindowExists() const = 0;
    // Message 1255 to the configuration application when it runs.
    virtual void notifyApplicationProfileChanged() = 0;
    virtual void sendCpiLevelsToParley() = 0;
};

// False for a slot outside 0-4 (nothing happens then).
bool makeProfileActive(ProfileSwitchServices& services, int profile);

}  // namespace monitor::host
