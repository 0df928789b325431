#pragma once
// The dialogs that create a countdown timer and that edit or delete one.

#include "option/layout/ControlLayout.h"

namespace option::layout::create_timer {

using enum ControlKind;

inline constexpr ControlLayout kControls[] = {
    {"EDIT_PROFILE_NAME,116,90,182,15,", Edit},
    {"EDIT_SPIN,115,163,45,19,", NumberSpin},
    {"BUTTON_OK,14,310,60,26,", PushButton},
    {"BUTTON_CANCEL,78,310,100,26,", PushButton},
    {"BUTTON_Exit,494,3,22,22,", PushButton},
};

// The close button ends at x 516 and OK at y 336: 520 x 346.
inline constexpr WindowDescription kWindow{"create_timer", 520, 346, WindowShape::WhiteRange, kControls};

}  // namespace option::layout::create_timer

namespace option::layout::edit_timer {

using enum ControlKind;

inline constexpr ControlLayout kControls[] = {
    {"LIST_TIMER,115,86,186,20,", PushButton},  // opens the menu of timer names
    {"EDIT_PROFILE_NAME,116,140,182,15,", Edit},
    {"EDIT_SPIN,115,193,45,19,", NumberSpin},
    {"BUTTON_SAVE,226,190,114,24,", PushButton},
    {"BUTTON_DELETE,350,190,124,24,", PushButton},
    {"BUTTON_OK,14,310,60,26,", PushButton},
    {"BUTTON_CANCEL,78,310,100,26,", PushButton},
    {"BUTTON_Exit,494,3,22,22,", PushButton},
};

// The same buttons as the create dialog: the same size.
inline constexpr WindowDescription kWindow{"edit_timer", 520, 346, WindowShape::WhiteRange, kControls};

}  // namespace option::layout::edit_timer
