#pragma once
// The Parley commands that change the mouse (140, 141 and 245-251): each is
// relayed to the mouse as form A of report 16.

#include "monitor/dispatch/MonitorServices.h"
#include "platform/Types.h"

namespace monitor::dispatch {

// Where the command came from: message 2025 or the registered "WM_PARLEY_MSG".
enum class ParleySource { StatusMessage, RegisteredMessage };

// Always 0, as the Parley software expects; unknown commands do nothing.
platform::LResult handleParleyCommand(MonitorServices& services, ParleySource source, platform::WParam command,
                                      platform::LParam value);

}  // namespace monitor::dispatch
