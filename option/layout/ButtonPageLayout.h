#pragma once
// The button assignment page: 24 slot buttons in two columns (normal layer left,
// Dualkey layer right), the orientation buttons and the macro manager button.

#include "option/layout/ControlLayout.h"

namespace option::layout::button_page {

using enum ControlKind;

inline constexpr ControlLayout kControls[] = {
    {"B1,33,47,158,20,", PushButton},
    {"B2,33,72,158,20,", PushButton},
    {"B3,33,97,158,20,", PushButton},
    {"B4,33,122,158,20,", PushButton},
    {"B5,33,147,158,20,", PushButton},
    {"B6,0,0,0,0,", PushButton},
    {"B7,0,0,0,0,", PushButton},
    {"B8,33,172,158,20,", PushButton},
    {"B9,33,197,158,20,", PushButton},
    {"B10,33,222,158,20,", PushButton},
    {"B11,33,247,158,20,", PushButton},
    {"B12,0,0,0,0,", PushButton},
    {"B13,424,47,158,20,", PushButton},
    {"B14,424,72,158,20,", PushButton},
    {"B15,424,97,158,20,", PushButton},
    {"B16,424,122,158,20,", PushButton},
    {"B17,424,147,158,20,", PushButton},
    {"B18,0,0,0,0,", PushButton},
    {"B19,0,0,0,0,", PushButton},
    {"B20,424,172,158,20,", PushButton},
    {"B21,424,197,158,20,", PushButton},
    {"B22,424,222,158,20,", PushButton},
    {"B23,424,247,158,20,", PushButton},
    {"B24,0,0,0,0,", PushButton},
    {"right,166,278,100,0,", ChoiceButton},
    {"Left,270,278,100,0,", ChoiceButton},
    {"Macro Manager,324,286,126,24,", PushButton},
};

// Slots 0 and 1 are drawn from the "fixed_" set, slots without a function from
// the "unassigned_" set, the others from the plain set. The function's name is
// the button's caption, set at run time.
inline constexpr std::string_view kStateSets[] = {"fixed_", "unassigned_"};
// "background" is the right-handed page, "background_left" the left-handed one.
inline constexpr std::string_view kBackgrounds[] = {"background_left"};

// Pages fill the main window's page position rectangle, 774 x 312.
inline constexpr WindowDescription kWindow{"buttons", 774, 312, WindowShape::Rectangle, kControls, kStateSets,
                                           kBackgrounds};

}  // namespace option::layout::button_page
