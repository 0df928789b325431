#include "option/app/NoticeDialog.h"

namespace option::app {

NoticeDialog::NoticeDialog(QWidget* parent, const layout::WindowDescription& window) : SkinDialog(parent, window)
{
    addButton(row("BUTTON_OK"), [this] { accept(); });
    for (const layout::ControlLayout& control : window.controls)
        if (control.text.starts_with("BUTTON_CANCEL,"))
            addButton(control, [this] { reject(); });
}

void NoticeDialog::tell(QWidget* parent, const layout::WindowDescription& window)
{
    NoticeDialog dialog(parent, window);
    dialog.exec();
}

bool NoticeDialog::confirm(QWidget* parent, const layout::WindowDescription& window)
{
    NoticeDialog dialog(parent, window);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace option::app
