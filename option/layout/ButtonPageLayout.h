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

// While a slot is hovered a picture of the mouse with that button lit shows
// beside its column: "hover_00" to "hover_59" (skin/buttons/hover_NN.png),
// 188 x 274 at y 32; pictures 0-11 (the normal layer) at x 191, pictures 12-59
// (the Dualkey layer in four sets of twelve, by which of slots 3 and 4 hold the
// Dualkey key: only 3, only 4, both, neither) at x 582.
inline constexpr int kHoverPictureWidth = 188;
inline constexpr int kHoverPictureHeight = 274;
inline constexpr int kHoverPictureTop = 32;
inline constexpr int kNormalHoverPictureLeft = 191;
inline constexpr int kShiftHoverPictureLeft = 582;
inline constexpr int kNormalHoverPictures = 12;

// Pages fill the main window's page position rectangle, 774 x 312.
inline constexpr WindowDescription kWindow{"buttons", 774, 312, WindowShape::Rectangle, kControls, kStateSets,
                                           kBackgrounds};

}  // namespace option::layout::button_page
