#pragma once
// The small notices (OK) and confirmations (OK and Cancel) whose wording is part
// of their picture: the macro manager's missing set or macro, and the questions
// before deleting a set, a macro or a timer and before a reset of the settings
// or of the statistics.
#include "option/app/SkinDialog.h"

namespace option::app {

class NoticeDialog final : public SkinDialog {
    Q_OBJECT
public:
    // A window of layout::notice_dialogs; Cancel only where its table has one.
    NoticeDialog(QWidget* parent, const layout::WindowDescription& window);

    static void tell(QWidget* parent, const layout::WindowDescription& window);
    // True when the user answered OK.
    static bool confirm(QWidget* parent, const layout::WindowDescription& window);
};

}  // namespace option::app
