#pragma once
// The two dialogs of the Padtune calibration: start (with its progress
// animation) and result (accept within a countdown).

#include "option/layout/ControlLayout.h"

namespace option::layout::padtune_start {

using enum ControlKind;

inline constexpr ControlLayout kControls[] = {
    {"BUTTON_OK,25,148,120,35,", PushButton},
    {"BUTTON_CANCEL,130,237,100,40,", PushButton},
    {"BUTTON_EXIT,330,2,30,28,", PushButton},
    {"Progress bar,26,108,128,15,", Animation, "Gif/ProgressbarAnimation.gif"},  // hidden until OK
};

// The close button ends at x 360 and Cancel at y 277: 364 x 286.
inline constexpr WindowDescription kWindow{"padtune_start", 364, 286, WindowShape::WhiteRange, kControls};

}  // namespace option::layout::padtune_start

namespace option::layout::padtune_result {

using enum ControlKind;

inline constexpr ControlLayout kControls[] = {
    {"Accept,157,239,140,23,", PushButton},
    {"Cancel,54,239,93,23,", PushButton},
    {"Exit,332,4,25,21,", PushButton},
    // The seconds left ("%d sec") are painted at 184,109; the countdown bar
    // runs below them.
    {"Seconds left,184,109,80,16,", Text},
    {"Countdown bar,54,136,243,12,", ProgressBar},
};

// The close button ends at x 357 and the buttons at y 262: 362 x 272.
inline constexpr WindowDescription kWindow{"padtune_result", 362, 272, WindowShape::WhiteRange, kControls};

}  // namespace option::layout::padtune_result
