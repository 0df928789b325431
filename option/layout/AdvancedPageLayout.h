#pragma once
// The advanced page: sound feedback, polling rate, Windows pointer settings,
// angle snapping, sensor alignment, Padtune level and the reset to defaults.

#include "option/layout/ControlLayout.h"

namespace option::layout::advanced_page {

using enum ControlKind;

inline constexpr ControlLayout kControls[] = {
    {"Sound FeedBack DPi Switch,405,54,117,15,", CheckButton},
    {"Sound FeedBack Profile Switch,405,72,117,15,", CheckButton},
    {"Sound FeedBack Sensitivity Switch,405,90,125,15,", CheckButton},
    {"Sound Volume Up/Down,538,54,135,15,", CheckButton},
    {"Sound Trophy,538,73,135,15,", CheckButton},
    {"Sound Volume,506,115,102,20,", SliderTrack, "sound_volume", 11},
    {"125Hz,120,274,60,20,", ChoiceButton},
    {"250Hz,180,274,60,20,", ChoiceButton},
    {"500Hz,240,274,60,20,", ChoiceButton},
    {"1000Hz,300,274,70,20,", ChoiceButton},
    {"Pointer Speed,414,200,216,21,", SliderTrack, "pointer_speed", 11},
    {"Enable mouse acceleration,405,222,180,16,", CheckButton},
    {"Enable mouse Trails,595,222,150,16,", CheckButton},
    {"Snap off,53,32,38,20,", ChoiceButton},
    {"Snap on,12,32,41,20,", ChoiceButton},
    {"Snap Slider,115,29,246,20,", SliderTrack, "snap", 11},
    {"SAligment off,274,150,38,20,", ChoiceButton},
    {"SAligment on,233,150,41,20,", ChoiceButton},
    {"SAligment Slider,18,125,206,20,", SliderTrack, "alignment", 11},
    {"SAligment Spin,237,130,45,16,", NumberSpin},
    {"off,13,221,90,20,", ChoiceButton},
    {"eztra low,224,221,82,20,", ChoiceButton},
    {"low,173,221,47,20,", ChoiceButton},
    {"normal,105,221,64,20,", ChoiceButton},
    {"BUTTON_Reset,665,272,100,30,Reset", PushButton},
};

// Pages fill the main window's page position rectangle, 774 x 312.
inline constexpr WindowDescription kWindow{"advanced", 774, 312, WindowShape::Rectangle, kControls};

}  // namespace option::layout::advanced_page
