#pragma once
// After every write the mouse needs time to store what it got; the host polls the
// status report until the mouse says ready.

#include <chrono>

#include "monitor/protocol/DeviceLink.h"

namespace monitor::protocol {

inline constexpr int kMaxStatusReads = 10;

// The pause before status read `attempt` (0-9): the initial delay, then 1000,
// 1500 and 2000 ms for every later one.
std::chrono::milliseconds pauseBeforeStatusRead(int attempt, std::chrono::milliseconds initialDelay);

// True when the mouse reports ready (status 1). Busy (3) is asked again, up to
// ten reads in all; any other status, a failed status read or the abort flag
// (tested before every 100 ms step of the pauses) ends it with failure.
// The caller holds the device for the write and this handshake.
bool waitUntilReady(DeviceLink& link, std::chrono::milliseconds initialDelay);

}  // namespace monitor::protocol
