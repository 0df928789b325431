#pragma once
// What the benchmark's peer program does with each message.

#include "platform/Types.h"

namespace benchpeer {

inline constexpr const char* kTitle = "Message window bench peer";
// Returns wParam + 1.
inline constexpr platform::MessageId kEcho = platform::WM_APP + 1;
// Posts kPostedBack(wParam) to the window in lParam.
inline constexpr platform::MessageId kPostBack = platform::WM_APP + 2;
inline constexpr platform::MessageId kPostedBack = platform::WM_APP + 3;

}  // namespace benchpeer
