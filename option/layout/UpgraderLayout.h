#pragma once
// The firmware upgrader: its main dialog and its four message dialogs.

#include "option/layout/ControlLayout.h"
#include "option/layout/NoticeDialogsLayout.h"

namespace option::layout::upgrader {

using enum ControlKind;

// The upgrader runs from its own folder and finds its pictures there.
inline constexpr std::string_view kProgramFolder = "FWUpdateB";

inline constexpr ControlLayout kControls[] = {
    {"BUTTON_EXIT,497,4,22,22,", PushButton},
    {"BUTTON_Progress,43,181,436,17,", ProgressBar},
    // Painted by the dialog: the image's file name, "DFU V" with the device
    // version, and "Firmware Update V1.07".
    {"File name,95,131,265,16,", Text},
    {"Device version,8,251,200,16,", Text},
    {"Upgrader version,377,251,140,16,", Text},
};

// The close button ends at x 519 and the texts at y 251 + 16: 524 x 272. The
// window's shape comes from its own mask picture.
inline constexpr WindowDescription kWindow{"upgrader", 524, 272, WindowShape::WhiteRangeMask, kControls, {}, {},
                                           kProgramFolder};

// The message dialogs share the sizes and layouts of the application's notices.
inline constexpr WindowDescription messageDialog(std::string_view art, std::span<const ControlLayout> controls)
{
    return {art, notice_dialogs::kWidth, notice_dialogs::kHeight, WindowShape::WhiteRange, controls, {}, {},
            kProgramFolder};
}

inline constexpr WindowDescription kConfirm = messageDialog("upgrader_confirm", notice_dialogs::kConfirmControls);
inline constexpr WindowDescription kNotice = messageDialog("upgrader_notice", notice_dialogs::kNoticeControls);
inline constexpr WindowDescription kSuccess = messageDialog("upgrader_success", notice_dialogs::kNoticeControls);
inline constexpr WindowDescription kFailure = messageDialog("upgrader_failure", notice_dialogs::kNoticeControls);

}  // namespace option::layout::upgrader
