#pragma once
// The lighting page: effect, colour choice, the palette swatches, the custom
// colour's spins and swatch, the spectrum picker and the breathing preview.

#include "option/layout/ControlLayout.h"

namespace option::layout::lighting_page {

using enum ControlKind;

inline constexpr ControlLayout kControls[] = {
    {"All light Off,655,120,100,20,", ChoiceButton},
    {"Full lightened,405,120,100,20,", ChoiceButton},
    {"Breathing,532,120,100,20,", ChoiceButton},
    {"Blinking,532,0,0,0,", ChoiceButton},
    {"Heartbeat,535,67,0,0,", ChoiceButton},
    {"Use Selected color,535,36,65,0,", ChoiceButton},
    {"Random single color,535,54,65,0,", ChoiceButton},
    {"Random multi color,535,72,65,0,", ChoiceButton},
    {"Flow Off,535,225,0,0,", ChoiceButton},
    {"All lights simultaneously,535,140,0,0,", ChoiceButton},
    {"Flow direction Up,535,157,0,0,", ChoiceButton},
    {"Flow direction Down,535,174,0,0,", ChoiceButton},
    {"Flow direction Left,535,191,0,0,", ChoiceButton},
    {"Flow direction Right,535,208,0,0,", ChoiceButton},
    {"Choose a single color,405,200,155,22,", ChoiceButton},
    {"Choose a custom color,588,200,155,22,", ChoiceButton},
    {"color1,427,227,22,22,", Swatch},
    {"color2,450,227,22,22,", Swatch},
    {"color3,473,227,22,22,", Swatch},
    {"color4,496,227,22,22,", Swatch},
    {"color5,519,227,22,22,", Swatch},
    {"color6,542,227,22,22,", Swatch},
    {"color7,427,250,22,22,", Swatch},
    {"color8,450,250,22,22,", Swatch},
    {"color9,473,250,22,22,", Swatch},
    {"color10,496,250,22,22,", Swatch},
    {"color11,519,250,22,22,", Swatch},
    {"color12,542,250,22,22,", Swatch},
    {"color13,427,273,22,22,", Swatch},
    {"color14,450,273,22,22,", Swatch},
    {"color15,473,273,22,22,", Swatch},
    {"color16,496,273,22,22,", Swatch},
    // Palette indices 16-32 have swatches that are never shown.
    {"color3,0,0,0,0,", Swatch},
    {"color4,0,0,0,0,", Swatch},
    {"color5,0,0,0,0,", Swatch},
    {"color6,0,0,0,0,", Swatch},
    {"color7,0,0,0,0,", Swatch},
    {"color1,0,0,0,0,", Swatch},
    {"color2,0,0,0,0,", Swatch},
    {"color3,0,0,0,0,", Swatch},
    {"color4,0,0,0,0,", Swatch},
    {"color5,0,0,0,0,", Swatch},
    {"color6,0,0,0,0,", Swatch},
    {"color7,0,0,0,0,", Swatch},
    {"color1,0,0,0,0,", Swatch},
    {"color2,0,0,0,0,", Swatch},
    {"color3,0,0,0,0,", Swatch},
    {"color4,0,0,0,0,", Swatch},
    {"color5,0,0,0,0,", Swatch},
    {"Red,616,229,45,19,", NumberSpin},
    {"Green,664,229,45,19,", NumberSpin},
    {"Blue,712,229,45,19,", NumberSpin},
    {"Custom Color,587,227,22,22,", Swatch},
    {"Custom Color Window,584,270,176,28,", Area},
    {"Color Select,590,276,164,16,", Picture, "spectrum"},
    {"Breathing,534,45,97,70,", Animation, "Gif/Breathing_Animation.gif"},
};

// Pages fill the main window's page position rectangle, 774 x 312.
inline constexpr WindowDescription kWindow{"lighting", 774, 312, WindowShape::Rectangle, kControls};

}  // namespace option::layout::lighting_page
