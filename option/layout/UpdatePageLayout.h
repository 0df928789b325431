#pragma once
// The update and support page: downloads, support page, support form and mail.

#include "option/layout/ControlLayout.h"

namespace option::layout::update_page {

using enum ControlKind;

inline constexpr ControlLayout kControls[] = {
    {"BUTTON_update,15,81,200,34,", PushButton},
    {"BUTTON_help,405,81,200,34,", PushButton},
    {"BUTTON_Email_Request,10,265,100,30,", PushButton},
    {"BUTTON_Support_Form,400,210,100,30,", PushButton},
    {"BUTTON_Support_Form,400,265,100,30,", PushButton},
    // The page paints "V" and the version at the top left of these.
    {"Software version,146,182,120,16,", Text},
    {"Firmware version,163,209,120,16,", Text},
};

// Pages fill the main window's page position rectangle, 774 x 312.
inline constexpr WindowDescription kWindow{"update", 774, 312, WindowShape::Rectangle, kControls};

}  // namespace option::layout::update_page
