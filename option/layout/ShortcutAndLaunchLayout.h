#pragma once
// The key shortcut, program launch, media player and profile dialogs.

#include "option/layout/ControlLayout.h"

namespace option::layout::key_shortcut {

using enum ControlKind;

inline constexpr ControlLayout kControls[] = {
    {"EDIT_MACRO_SET_NAME,295,102,77,18,", Edit},  // the key, read-only
    {"None,20,102,55,18,", CheckButton},
    {"Shift,80,102,50,18,", CheckButton},
    {"Ctrl,134,102,46,18,", CheckButton},
    {"Alt,234,102,36,18,", CheckButton},
    {"Win,183,102,46,18,", CheckButton},
    {"BUTTON_OK,14,162,60,30,", PushButton},
    {"BUTTON_CANCEL,78,162,100,30,", PushButton},
    {"BUTTON_EXIT,430,4,25,22,", PushButton},
};

// The close button ends at x 455 and OK at y 192: 460 x 202. The window's shape
// comes from its own mask picture.
inline constexpr WindowDescription kWindow{"key_shortcut", 460, 202, WindowShape::WhiteRangeMask, kControls};

}  // namespace option::layout::key_shortcut

namespace option::layout::program_launch {

using enum ControlKind;

inline constexpr ControlLayout kControls[] = {
    {"Gaming path to executeable,27,88,227,15,", Edit},
    {"browser1,256,86,24,20,", PushButton},
    {"BUTTON_OK,72,200,56,24,", PushButton},
    {"BUTTON_CANCEL,136,200,100,24,", PushButton},
    {"BUTTON_EXIT,274,3,26,22,", PushButton},
};

// The close button ends at x 300 and OK at y 224: 304 x 234.
inline constexpr WindowDescription kWindow{"program_launch", 304, 234, WindowShape::WhiteRange, kControls};

}  // namespace option::layout::program_launch

namespace option::layout::media_player {

using enum ControlKind;

inline constexpr ControlLayout kControls[] = {
    {"BUTTON_PLAY,33,76,160,20,", PushButton},  // opens the player menu; shows the choice
    {"BUTTON_OK,18,162,55,30,", PushButton},
    {"BUTTON_CANCEL,82,162,96,30,", PushButton},
    {"BUTTON_EXIT,276,4,22,22,", PushButton},
};

// The close button ends at x 298 and OK at y 192: 302 x 202.
inline constexpr WindowDescription kWindow{"media_player", 302, 202, WindowShape::WhiteRange, kControls};

}  // namespace option::layout::media_player

namespace option::layout::profile_dialog {

using enum ControlKind;

inline constexpr ControlLayout kControls[] = {
    {"EDIT_PROFILE_NAME,120,78,182,15,", Edit},
    {"EDIT_PATH_TOEXECUTEABLE,35,137,265,15,", Edit},
    {"EDIT_PATH_TOEXECUTEABLE,35,157,265,15,", Edit},
    {"EDIT_PATH_TOEXECUTEABLE,35,177,265,15,", Edit},
    {"BUTTON_BROWER,304,136,23,17,", PushButton},
    {"BUTTON_BROWER,304,156,23,17,", PushButton},
    {"BUTTON_BROWER,304,176,23,17,", PushButton},
    {"BUTTON_OK,14,310,60,26,", PushButton},
    {"BUTTON_CANCEL,78,310,100,26,", PushButton},
    {"BUTTON_Exit,494,3,22,22,", PushButton},
};

// The close button ends at x 516 and OK at y 336, as in the timer dialogs: 520 x 346.
inline constexpr WindowDescription kWindow{"profile", 520, 346, WindowShape::WhiteRange, kControls};

}  // namespace option::layout::profile_dialog
