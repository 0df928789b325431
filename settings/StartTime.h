#pragma once
// RunsStart.ini: the local time of the monitor's first start on this installation.

#include "settings/InstallFolder.h"

namespace settings {

struct StartTime {
    int year = -1;
    int month = -1;   // 1-12
    int day = -1;     // 1-31
    int hour = -1;    // 0-23
    int minute = -1;  // 0-59
};

// The current local time.
StartTime localTimeNow();

// Writes the time only when the file does not exist yet; true when it exists
// afterwards.
bool recordFirstStart(const InstallFolder& folder, const StartTime& now);

// The recorded time; -1 for what is missing.
StartTime readFirstStart(const InstallFolder& folder);

}  // namespace settings
