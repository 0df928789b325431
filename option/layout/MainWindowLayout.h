#pragma once
// The configuration application's main window: tabs, profile commands, the five
// profile slots, language, window buttons, OK/Apply/Cancel and the page area.

#include "option/layout/ControlLayout.h"

namespace option::layout::main_window {

using enum ControlKind;

inline constexpr std::string_view kFlagPictures =
    "skin/common/flag_0.png|skin/common/flag_1.png|skin/common/flag_2.png|skin/common/flag_3.png|"
    "skin/common/flag_4.png|skin/common/flag_5.png|skin/common/flag_6.png|skin/common/flag_7.png|"
    "skin/common/flag_8.png|skin/common/flag_9.png|skin/common/flag_10.png|skin/common/flag_11.png|"
    "skin/common/flag_12.png|skin/common/flag_13.png|skin/common/flag_14.png|skin/common/flag_15.png|"
    "skin/common/flag_16.png";

// The pages shown in "Page position", in tab order.
inline constexpr std::string_view kPages = "main_settings|buttons|advanced|lighting|statistics|update";

// In creation order. Each "windows profile" marker holds a second, hidden button
// of the same rectangle, made from the same string.
inline constexpr ControlLayout kControls[] = {
    {"Main,7,79,121,37,Main settings for the selected device", Tab},
    {"Button Assign,129,79,160,37,Assign a function to each mouse button", Tab},
    {"Advanced,290,79,154,37,Advanced settings for the selected device", Tab},
    {"Color,445,79,130,37,Color Setting", Tab},
    {"Trophy,576,79,73,37,Color Setting", Tab},
    {"Update,650,79,142,37,Check for the lastest driver update", Tab},
    {"Create,290,450,110,25,Create a new profile for the selected profile slot", PushButton},
    {"Load,430,450,110,25,Load a new profile for the selected profile slot", PushButton},
    {"Save,560,450,110,25,Save the current setting of the selected profile slot", PushButton},
    {"Edit,685,450,110,25,Edit the profile settings of the selected profile slot", PushButton},
    {"Profile 1,8, 485,155,25,Click here to activate profile slot #1", PushButton},
    {"Profile 2,165, 485,155,25,Click here to activate profile slot #2", PushButton},
    {"Profile 3,322, 485,155,25,Click here to activate profile slot #3", PushButton},
    {"Profile 4,479, 485,156,25,Click here to activate profile slot #4", PushButton},
    {"Profile 5,637, 485,155,25,Click here to activate profile slot #5", PushButton},
    {"windows profile,139, 514,22,22,", PushButton},
    {"windows profile,296, 514,22,22,", PushButton},
    {"windows profile,453, 514,22,22,", PushButton},
    {"windows profile,611, 514,22,22,", PushButton},
    {"windows profile,769, 514,22,22,", PushButton},
    {"Profile 1 Color,8,514,23,23,", Swatch},
    {"Profile 2 Color,167,514,23,23,", Swatch},
    {"Profile 3 Color,324,514,23,23,", Swatch},
    {"Profile 4 Color,481,514,23,23,", Swatch},
    {"Profile 5 Color,639,514,23,23,", Swatch},
    {"Profile 1 name,31,  514,101,21,Profile assigned to profile slot #1", PushButton},
    {"Profile 2 name,190,  514,101,21,Profile assigned to profile slot #2", PushButton},
    {"Profile 3 name,347,  514,101,21,Profile assigned to profile slot #3", PushButton},
    {"Profile 4 name,504,  514,101,21,Profile assigned to profile slot #4", PushButton},
    {"Profile 5 name,662,  514,101,21,Profile assigned to profile slot #5", PushButton},
    {"button language,12, 570,32,17,Select language", PictureButton, kFlagPictures},
    {"Min,749, 4,22,22,Minimize the application", PushButton},
    {"Exit,771, 4,22,22,Close the application without saving the changes to the device", PushButton},
    {"OK,582,563,58,30,Save the setting on the device and close the application", PushButton},
    {"Apply,640,563,72,30,Apply the setting to the device", PushButton},
    {"Cancel,712,563,80,30,Close the application without saving the changes to the device", PushButton},
    {"Page position,12,124,774,312,", ChildWindow, kPages},
    // Not controls of their own: the status line (painted over its picture), the
    // picture shown while LiftOnFlag is 1, and where the window writes the
    // software and firmware versions in its header.
    {"Status line,52,570,528,20,", Picture, "skin/common/status_line.png"},
    {"LiftOnFlag,7,34,171,45,", Picture, "skin/common/lift_on_flag.png"},
    {"Version text,560,40,226,16,", Text},
};

// The page rectangle and the buttons end at x 793 and y 593: the window is 800 x 600.
inline constexpr WindowDescription kWindow{"main", 800, 600, WindowShape::CornerKey, kControls};

}  // namespace option::layout::main_window
