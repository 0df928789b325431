#include "option/app/ConfirmationDialog.h"

namespace option::app {

ConfirmationDialog::ConfirmationDialog(QWidget* parent, const layout::WindowDescription& window)
    : SkinDialog(parent, window)
{
    addButton(row("BUTTON_OK"), [this] { accept(); });
    addButton(row("BUTTON_CANCEL"), [this] { reject(); });
}

bool confirm(QWidget* parent, const layout::WindowDescription& window)
{
    ConfirmationDialog dialog(parent, window);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace option::app
