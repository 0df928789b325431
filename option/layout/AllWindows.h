#pragma once
// Every skinned window of the configuration application and the firmware
// upgrader, for the artwork generator and for checks over all of them.

#include "option/layout/AdvancedPageLayout.h"
#include "option/layout/ButtonPageLayout.h"
#include "option/layout/LightingPageLayout.h"
#include "option/layout/MacroManagerLayout.h"
#include "option/layout/MainSettingsLayout.h"
#include "option/layout/MainWindowLayout.h"
#include "option/layout/NoticeDialogsLayout.h"
#include "option/layout/PadtuneLayout.h"
#include "option/layout/ShortcutAndLaunchLayout.h"
#include "option/layout/StatisticsPageLayout.h"
#include "option/layout/TimerDialogsLayout.h"
#include "option/layout/UpdatePageLayout.h"
#include "option/layout/UpgraderLayout.h"

namespace option::layout {

inline constexpr WindowDescription kAllWindows[] = {
    main_window::kWindow,
    main_settings::kWindow,
    cpi_row::kWindow,
    button_page::kWindow,
    advanced_page::kWindow,
    lighting_page::kWindow,
    statistics_page::kWindow,
    update_page::kWindow,
    macro_manager::kWindow,
    macro_keyseq::kWindow,
    macro_timeline::kWindow,
    macro_set_name::kWindow,
    create_timer::kWindow,
    edit_timer::kWindow,
    key_shortcut::kWindow,
    program_launch::kWindow,
    media_player::kWindow,
    profile_dialog::kWindow,
    language_picker::kWindow,
    notice_dialogs::kNoSet,
    notice_dialogs::kNoMacro,
    notice_dialogs::kNoMacroSelected,
    notice_dialogs::kDeleteSet,
    notice_dialogs::kDeleteMacro,
    notice_dialogs::kDeleteTimer,
    notice_dialogs::kResetStatistics,
    notice_dialogs::kResetDefaults,
    notice_dialogs::kWindowsProfile,
    padtune_start::kWindow,
    padtune_result::kWindow,
    upgrader::kWindow,
    upgrader::kConfirm,
    upgrader::kNotice,
    upgrader::kSuccess,
    upgrader::kFailure,
};

}  // namespace option::layout
