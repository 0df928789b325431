#pragma once
// Messages a page sends the main window, as skin messages (SkinMessageEvent).
#include "option/skin/logic/SkinMessages.h"

namespace option::app {

// Lighting page -> main window, after every lighting change: the five colour
// indicators follow the working block. wParam and lParam 0.
inline constexpr skin::MessageId kColourIndicatorsMessage = platform::WM_USER + 110;

}  // namespace option::app
