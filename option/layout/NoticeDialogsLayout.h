#pragma once
// The small notices (OK) and confirmations (OK and Cancel) whose wording is part
// of their background picture: one layout each, one art folder per message.

#include "option/layout/ControlLayout.h"

namespace option::layout::notice_dialogs {

using enum ControlKind;

// The wording stands in the top part; the buttons are centred below it.
inline constexpr ControlLayout kNoticeControls[] = {
    {"BUTTON_OK,150,124,60,28,", PushButton},
};

inline constexpr ControlLayout kConfirmControls[] = {
    {"BUTTON_OK,96,124,60,28,", PushButton},
    {"BUTTON_CANCEL,164,124,100,28,", PushButton},
};

// The Windows-profile confirmation shows the slot number in its badge.
inline constexpr ControlLayout kWindowsProfileControls[] = {
    {"BUTTON_OK,96,124,60,28,", PushButton},
    {"BUTTON_CANCEL,164,124,100,28,", PushButton},
    {"Profile number,24,50,44,44,", Text},
};

// Room for four lines of wording under the title bar, and the buttons.
inline constexpr int kWidth = 360;
inline constexpr int kHeight = 166;

inline constexpr WindowDescription kNoSet{"notice_no_set", kWidth, kHeight, WindowShape::WhiteRange, kNoticeControls};
inline constexpr WindowDescription kNoMacro{"notice_no_macro", kWidth, kHeight, WindowShape::WhiteRange,
                                            kNoticeControls};
inline constexpr WindowDescription kNoMacroSelected{"notice_no_macro_selected", kWidth, kHeight,
                                                    WindowShape::WhiteRange, kNoticeControls};
inline constexpr WindowDescription kDeleteSet{"confirm_delete_set", kWidth, kHeight, WindowShape::WhiteRange,
                                              kConfirmControls};
inline constexpr WindowDescription kDeleteMacro{"confirm_delete_macro", kWidth, kHeight, WindowShape::WhiteRange,
                                                kConfirmControls};
inline constexpr WindowDescription kDeleteTimer{"confirm_delete_timer", kWidth, kHeight, WindowShape::WhiteRange,
                                                kConfirmControls};
inline constexpr WindowDescription kResetStatistics{"confirm_reset_statistics", kWidth, kHeight,
                                                    WindowShape::WhiteRange, kConfirmControls};
inline constexpr WindowDescription kResetDefaults{"confirm_reset_defaults", kWidth, kHeight, WindowShape::WhiteRange,
                                                  kConfirmControls};
inline constexpr WindowDescription kWindowsProfile{"confirm_windows_profile", kWidth, kHeight,
                                                   WindowShape::WhiteRange, kWindowsProfileControls};

}  // namespace option::layout::notice_dialogs

namespace option::layout::language_picker {

using enum ControlKind;

// One row per language, in language-index order; each shows its flag and name.
inline constexpr ControlLayout kControls[] = {
    {"L1,3,17,93,13,", PushButton},   {"L2,3,34,93,13,", PushButton},   {"L3,3,50,93,13,", PushButton},
    {"L4,3,66,93,13,", PushButton},   {"L5,3,82,93,13,", PushButton},   {"L6,3,98,93,13,", PushButton},
    {"L7,3,114,93,13,", PushButton},  {"L8,3,130,93,13,", PushButton},  {"L9,3,146,93,13,", PushButton},
    {"L10,3,162,93,13,", PushButton}, {"L11,3,178,93,13,", PushButton}, {"L12,3,194,93,13,", PushButton},
    {"L13,3,210,93,13,", PushButton}, {"L14,3,226,93,13,", PushButton}, {"L15,3,242,93,13,", PushButton},
    {"L16,3,258,93,13,", PushButton}, {"L17,3,274,93,13,", PushButton},
};

// Rows 3 pixels from either side; the picker opens 289 pixels above its anchor,
// so its bottom meets the anchor's top: 99 x 289.
inline constexpr WindowDescription kWindow{"language_picker", 99, 289, WindowShape::WhiteRange, kControls};

}  // namespace option::layout::language_picker
