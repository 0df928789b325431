#pragma once
// The main settings page (sensitivity, scrolling, tilt, double-click time, the
// five CPI levels) and the window of one CPI level row.

#include "option/layout/ControlLayout.h"

namespace option::layout::main_settings {

using enum ControlKind;

// The sensitivity, scroll and tilt sliders share one look; each has its own
// track picture because their widths differ.
inline constexpr ControlLayout kControls[] = {
    {"SENSITIVITY,23,41,266,25,", SliderTrack, "sensitivity", 13},
    {"Sensitivity,311,34,45,19,", NumberSpin},
    {"Scroll speed,46,117,240,25,", SliderTrack, "scroll_speed", 13},
    {"not one page,13,112,20,20,", ChoiceButton},
    {"one page,13,136,190,20,", ChoiceButton},
    {"Tilt Speed,23,214,240,25,", SliderTrack, "tilt_speed", 13},
    {"Double Click speed,156,279,140,20,", SliderTrack, "double_click_speed", 11},
    // The still until the first double click, then the clip played once.
    {"Double Click Test,330,277,42,23,", Animation, "Wave/double_click.gif|Wave/double_click.bmp"},
    {"DPI,395,64,375,49,", ChildWindow, "cpi_row"},
    {"DPI,395,113,375,49,", ChildWindow, "cpi_row"},
    {"DPI,395,162,375,49,", ChildWindow, "cpi_row"},
    {"DPI,395,211,375,49,", ChildWindow, "cpi_row"},
    {"DPI,395,260,375,49,", ChildWindow, "cpi_row"},
};

// Pages fill the main window's page position rectangle, 774 x 312.
inline constexpr WindowDescription kWindow{"main_settings", 774, 312, WindowShape::Rectangle, kControls};

}  // namespace option::layout::main_settings

namespace option::layout::cpi_row {

using enum ControlKind;

// Positions relative to the row. The sliders and spins are given; the select
// button and the enable box share the 32 pixels left of the sliders, and the
// X/Y link box sits between the sliders' right end and the spins, beside both.
inline constexpr ControlLayout kControls[] = {
    {"Level select,0,2,30,22,", PushButton},
    {"Level enable,8,29,15,15,", CheckButton},
    {"X slider,32,19,265,5,", SliderTrack, "cpi", 9},
    {"X spin,313,8,44,17,", NumberSpin},
    {"Y slider,32,26,265,5,", SliderTrack, "cpi", 9},
    {"Y spin,313,25,44,17,", NumberSpin},
    {"XY link,299,13,12,23,", CheckButton},
};

// The size of the rows' rectangles on the page.
inline constexpr WindowDescription kWindow{"cpi_row", 375, 49, WindowShape::Rectangle, kControls};

}  // namespace option::layout::cpi_row
