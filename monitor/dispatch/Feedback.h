#pragma once
// Starting one of the 500 ms feedback sounds and telling the application about
// a change the mouse made.

#include <cstdint>

#include "monitor/dispatch/DispatchContext.h"
#include "settings/SettingsBlock.h"

namespace monitor::dispatch {

// True when `field` of the profile equals 1 and the feedback gate is open.
bool feedbackWanted(const HostActions& host, const settings::ProfileRecord* profile,
                    std::int32_t settings::ProfileRecord::*field);

// Stops the pending feedback first, so only the newest sound plays.
void startFeedback(HostActions& host, std::uint32_t timerId);

// After a CPI level, sensitivity or polling rate change: copy the block out and
// post 1257 to the configuration application when it runs.
void finishMouseChange(DispatchContext& context);

}  // namespace monitor::dispatch
