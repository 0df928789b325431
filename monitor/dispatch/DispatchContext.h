#pragma once
// The two sides every handler works with.

#include "monitor/dispatch/HostActions.h"
#include "monitor/dispatch/MonitorServices.h"

namespace monitor::dispatch {

struct DispatchContext {
    MonitorServices& services;
    HostActions& host;
};

}  // namespace monitor::dispatch
