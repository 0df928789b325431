#pragma once
// A skinned question with OK and Cancel whose wording is part of its picture
// (the confirmations of option/layout/NoticeDialogsLayout.h).
#include "option/app/SkinDialog.h"

namespace option::app {

class ConfirmationDialog final : public SkinDialog {
    Q_OBJECT
public:
    ConfirmationDialog(QWidget* parent, const layout::WindowDescription& window);
};

// Shows the question modally; true for OK.
bool confirm(QWidget* parent, const layout::WindowDescription& window);

}  // namespace option::app
