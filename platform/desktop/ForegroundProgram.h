#pragma once
// The process that owns the window in the foreground.

#include "platform/desktop/ProcessList.h"

#include <memory>

namespace platform {

class ForegroundProgram {
public:
    virtual ~ForegroundProgram() = default;
    // The process of the active window; 0 when there is no active window or its
    // process is not known.
    virtual ProcessId foregroundProcess() = 0;
};

// Reads _NET_ACTIVE_WINDOW and its _NET_WM_PID on the X display `displayName`
// (nullptr: $DISPLAY), opened at first use; 0 without a display.
std::unique_ptr<ForegroundProgram> openForegroundProgram(const char* displayName = nullptr);

}  // namespace platform
