#pragma once
// The macro manager, its two editor panels (key sequence and timeline, shown at
// "CHILD_POS") and the dialog that names a new macro set.

#include "option/layout/ControlLayout.h"

namespace option::layout::macro_manager {

using enum ControlKind;

inline constexpr ControlLayout kControls[] = {
    {"BUTTON_OK,539,430,56,26,", PushButton},
    {"BUTTON_Cancel,605,430,100,26,", PushButton},
    {"BUTTON_Exit,686,4,22,22,", PushButton},
    {"BUTTON_combox_macro_select,16,75,196,23,", PushButton},
    {"BUTTON_New,15,430,71,26,", PushButton},
    {"BUTTON_Delete,89,431,96,26,", PushButton},
    {"BUTTON_Switch_editor,219,430,197,25,", PushButton},
    {"BUTTON_List_MacroName,19,98,189,302,", List},
    {"CHILD_POS,215,50,490,365,", ChildWindow, "macro_keyseq|macro_timeline"},
};

// The buttons end at x 708 and y 457: 716 x 468.
inline constexpr WindowDescription kWindow{"macro_manager", 716, 468, WindowShape::WhiteRange, kControls};

}  // namespace option::layout::macro_manager

namespace option::layout::macro_keyseq {

using enum ControlKind;

inline constexpr ControlLayout kControls[] = {
    {"BUTTON_Start_Record,263,57,133,23,", PushButton},
    {"BUTTON_Delay_ON_OFF,262,97,150,23,", CheckButton},
    {"BUTTON_LoopTimes_ON_OFF,262,164,120,15,", CheckButton},
    {"Edit_Times,284,184,30,15,", Edit},
    {"BUTTON_List_key_sequence,6,49,234,301,", List},
};

// While recording, the record button is drawn from the "stop_" set.
inline constexpr std::string_view kStateSets[] = {"stop_"};

// Both panels fill the manager's "CHILD_POS" rectangle, 490 x 365.
inline constexpr WindowDescription kWindow{"macro_keyseq", 490, 365, WindowShape::Rectangle, kControls, kStateSets};

}  // namespace option::layout::macro_keyseq

namespace option::layout::macro_timeline {

using enum ControlKind;

inline constexpr ControlLayout kControls[] = {
    {"BUTTON_ADD,4,330,30,20,", PushButton},
    {"BUTTON_DELETE,34,330,30,20,", PushButton},
    {"BUTTON_ZOOM_IN,457,1,22,20,", PushButton},
    {"BUTTON_ZOOM_OUT,435,1,22,20,", PushButton},
    // The panel draws 19 bar rows 14 pixels apart with the key names at their
    // left, the bars on a 380-pixel track from x 65, the time ruler's labels at
    // y 7, and its two scroll bars beside and below the rows.
    {"Bar rows,2,24,443,266,", Area},
    {"Vertical scroll bar,447,24,16,266,", Area},
    {"Horizontal scroll bar,65,292,380,16,", Area},
};

inline constexpr WindowDescription kWindow{"macro_timeline", 490, 365, WindowShape::Rectangle, kControls};

}  // namespace option::layout::macro_timeline

namespace option::layout::macro_set_name {

using enum ControlKind;

// One name field with OK and Cancel; laid out like the other small dialogs.
inline constexpr ControlLayout kControls[] = {
    {"EDIT_SET_NAME,30,74,260,18,", Edit},
    {"BUTTON_OK,30,112,60,26,", PushButton},
    {"BUTTON_CANCEL,96,112,100,26,", PushButton},
    {"BUTTON_Exit,294,4,22,22,", PushButton},
};

inline constexpr WindowDescription kWindow{"macro_set_name", 320, 150, WindowShape::WhiteRange, kControls};

}  // namespace option::layout::macro_set_name
