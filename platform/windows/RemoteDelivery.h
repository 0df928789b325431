#pragma once
// Delivery through a window's socket: to windows of other processes, and sends to
// windows of other threads of this process.

#include <cstdint>
#include <string>

#include "platform/Types.h"
#include "platform/windows/WindowFrame.h"

namespace platform::msgwin {

// Writes a post frame without waiting; false when the window cannot be reached or
// its queue is full. Posts from this process to one window share one connection,
// so they arrive in the order they were posted.
bool postThroughSocket(const std::string& folder, const FrameHeader& header);

// Writes a send or copy-data frame and waits for the answer, handling sends to the
// calling thread's windows meanwhile. 0 when the window cannot be reached or goes
// away before it answers.
LResult sendThroughSocket(const std::string& folder, const FrameHeader& header,
                          const std::uint8_t* payload);

}  // namespace platform::msgwin
