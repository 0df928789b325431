#pragma once
// Messages to windows of other processes. Each thread keeps one connection per
// window it talks to, so the posts of one thread reach a window in order. A send
// waits for its reply in poll(), together with the thread's inbox: the calls made
// to the thread's own windows meanwhile are run while it waits.

#include <string>

#include "platform/Types.h"
#include "platform/windows/Frame.h"

namespace platform::windows {

// Unix socket paths are limited to this many bytes, the terminating NUL included.
bool fitsSocketPath(const std::string& path);

// False when the window's socket cannot be reached or written.
bool postToProcess(const std::string& folder, const Frame& frame);

// `frame` is a Send or CopyData frame. 0 when the window cannot be reached, or
// its process or the window ends before the reply arrives.
LResult sendToProcess(const std::string& folder, Frame frame);

}  // namespace platform::windows
