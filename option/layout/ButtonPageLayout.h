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
    // The hover pictures (see below), hidden until their slot is hovered.
    {"Hover picture 0,191,32,188,274,", Picture, "hover_00"},
    {"Hover picture 1,191,32,188,274,", Picture, "hover_01"},
    {"Hover picture 2,191,32,188,274,", Picture, "hover_02"},
    {"Hover picture 3,191,32,188,274,", Picture, "hover_03"},
    {"Hover picture 4,191,32,188,274,", Picture, "hover_04"},
    {"Hover picture 5,191,32,188,274,", Picture, "hover_05"},
    {"Hover picture 6,191,32,188,274,", Picture, "hover_06"},
    {"Hover picture 7,191,32,188,274,", Picture, "hover_07"},
    {"Hover picture 8,191,32,188,274,", Picture, "hover_08"},
    {"Hover picture 9,191,32,188,274,", Picture, "hover_09"},
    {"Hover picture 10,191,32,188,274,", Picture, "hover_10"},
    {"Hover picture 11,191,32,188,274,", Picture, "hover_11"},
    {"Hover picture 12,582,32,188,274,", Picture, "hover_12"},
    {"Hover picture 13,582,32,188,274,", Picture, "hover_13"},
    {"Hover picture 14,582,32,188,274,", Picture, "hover_14"},
    {"Hover picture 15,582,32,188,274,", Picture, "hover_15"},
    {"Hover picture 16,582,32,188,274,", Picture, "hover_16"},
    {"Hover picture 17,582,32,188,274,", Picture, "hover_17"},
    {"Hover picture 18,582,32,188,274,", Picture, "hover_18"},
    {"Hover picture 19,582,32,188,274,", Picture, "hover_19"},
    {"Hover picture 20,582,32,188,274,", Picture, "hover_20"},
    {"Hover picture 21,582,32,188,274,", Picture, "hover_21"},
    {"Hover picture 22,582,32,188,274,", Picture, "hover_22"},
    {"Hover picture 23,582,32,188,274,", Picture, "hover_23"},
    {"Hover picture 24,582,32,188,274,", Picture, "hover_24"},
    {"Hover picture 25,582,32,188,274,", Picture, "hover_25"},
    {"Hover picture 26,582,32,188,274,", Picture, "hover_26"},
    {"Hover picture 27,582,32,188,274,", Picture, "hover_27"},
    {"Hover picture 28,582,32,188,274,", Picture, "hover_28"},
    {"Hover picture 29,582,32,188,274,", Picture, "hover_29"},
    {"Hover picture 30,582,32,188,274,", Picture, "hover_30"},
    {"Hover picture 31,582,32,188,274,", Picture, "hover_31"},
    {"Hover picture 32,582,32,188,274,", Picture, "hover_32"},
    {"Hover picture 33,582,32,188,274,", Picture, "hover_33"},
    {"Hover picture 34,582,32,188,274,", Picture, "hover_34"},
    {"Hover picture 35,582,32,188,274,", Picture, "hover_35"},
    {"Hover picture 36,582,32,188,274,", Picture, "hover_36"},
    {"Hover picture 37,582,32,188,274,", Picture, "hover_37"},
    {"Hover picture 38,582,32,188,274,", Picture, "hover_38"},
    {"Hover picture 39,582,32,188,274,", Picture, "hover_39"},
    {"Hover picture 40,582,32,188,274,", Picture, "hover_40"},
    {"Hover picture 41,582,32,188,274,", Picture, "hover_41"},
    {"Hover picture 42,582,32,188,274,", Picture, "hover_42"},
    {"Hover picture 43,582,32,188,274,", Picture, "hover_43"},
    {"Hover picture 44,582,32,188,274,", Picture, "hover_44"},
    {"Hover picture 45,582,32,188,274,", Picture, "hover_45"},
    {"Hover picture 46,582,32,188,274,", Picture, "hover_46"},
    {"Hover picture 47,582,32,188,274,", Picture, "hover_47"},
    {"Hover picture 48,582,32,188,274,", Picture, "hover_48"},
    {"Hover picture 49,582,32,188,274,", Picture, "hover_49"},
    {"Hover picture 50,582,32,188,274,", Picture, "hover_50"},
    {"Hover picture 51,582,32,188,274,", Picture, "hover_51"},
    {"Hover picture 52,582,32,188,274,", Picture, "hover_52"},
    {"Hover picture 53,582,32,188,274,", Picture, "hover_53"},
    {"Hover picture 54,582,32,188,274,", Picture, "hover_54"},
    {"Hover picture 55,582,32,188,274,", Picture, "hover_55"},
    {"Hover picture 56,582,32,188,274,", Picture, "hover_56"},
    {"Hover picture 57,582,32,188,274,", Picture, "hover_57"},
    {"Hover picture 58,582,32,188,274,", Picture, "hover_58"},
    {"Hover picture 59,582,32,188,274,", Picture, "hover_59"},
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
