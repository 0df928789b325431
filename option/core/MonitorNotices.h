#pragma once
// What the application does with the monitor's notices: each takes the monitor's
// block from the section into the applied block and passes all or part of it on
// to the working block, and says which pages must show it.
//
// A notice whose block cannot be copied in changes nothing: the user's edits in
// the working block are never replaced by an older applied block.
#include "option/core/ApplicationCore.h"

namespace option::core {

struct NoticeOutcome {
    bool taken = false;              // the block came in and was passed on
    bool refreshAll = false;         // every page and the slot row
    bool refreshMainSettings = false;
    bool refreshAdvanced = false;
    bool refreshStatistics = false;
    bool firmwareVersionChanged = false;  // the version text must be read again
};

// Opens the monitor's lock and section afresh: a monitor started (or restarted)
// after the application has a section of its own. Sets `monitorPresent`.
bool reopenMonitorLink(ApplicationCore& core);

// The monitor read the whole mouse: the block replaces both blocks, without
// change flags; the macro store takes in the profiles' macros and is saved.
NoticeOutcome takeDeviceRead(ApplicationCore& core);

// The mouse switched profile: the block replaces both blocks.
NoticeOutcome takeProfileSwitch(ApplicationCore& core);

// The mouse changed a CPI level, the sensitivity or the polling rate of its
// active profile: those fields alone pass to the working block, other edits stay.
NoticeOutcome takeCpiChange(ApplicationCore& core);

// The statistics counters changed: only the statistics pass to the working block.
NoticeOutcome takeStatistics(ApplicationCore& core);

// The Parley device table was rewritten.
void rereadParleyDevices(ApplicationCore& core);

}  // namespace option::core
