#pragma once
// What the monitor tells the Parley software on its own: the active profile's
// CPI levels and the release of the inter-device lock.

#include "monitor/dispatch/MonitorServices.h"

namespace monitor::dispatch {

// Nothing is sent while no Parley window is known; false then or when the send failed.
bool sendParleyCpiLevels(MonitorServices& services);

// At profile switches and apply requests: the lock opens, and Parley is told
// when it has taken over.
void releaseInterDeviceLock(MonitorServices& services);

}  // namespace monitor::dispatch
