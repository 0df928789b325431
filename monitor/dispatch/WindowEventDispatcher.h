#pragma once
// The dispatcher in the monitor window's seam: the window's services and the
// platform supply what the handlers need; the host functions come in through
// HostActions.

#include <memory>

#include "monitor/app/EventDispatcher.h"
#include "monitor/dispatch/HostActions.h"

namespace monitor::dispatch {

// `host` must outlive the dispatcher.
std::unique_ptr<app::EventDispatcher> createWindowEventDispatcher(app::MonitorServices& services,
                                                                  HostActions& host);
// The dispatcher keeps the host functions, which are usually built over the
// same window services. Without host functions only the logging dispatcher remains.
std::unique_ptr<app::EventDispatcher> createWindowEventDispatcher(app::MonitorServices& services,
                                                                  std::unique_ptr<HostActions> host);

}  // namespace monitor::dispatch
