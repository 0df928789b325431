#include "settings/OsVersionClass.h"

namespace settings {

int osVersionClass(int platformId, int major, int minor)
{
    if (platformId == kOsPlatformNt) {
        if (major == 5)
            return minor == 0 ? 3 : kOsVersionClassXp;
        if (major == 6)
            return minor == 0 ? 5 : 6;
        return kOsVersionClassUnknown;
    }
    if (platformId == kOsPlatformWin9x && major == 4)
        return minor < 90 ? 1 : 2;
    return kOsVersionClassUnknown;
}

int currentOsVersionClass()
{
    return kOsVersionClassThisSystem;
}

}  // namespace settings
