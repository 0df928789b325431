#include "option/app/ConfirmDialog.h"

namespace option::app {

ConfirmDialog::ConfirmDialog(QWidget* parent, const layout::WindowDescription& window) : SkinDialog(parent, window)
{
    setObjectName(QString::fromUtf8(window.art.data(), static_cast<qsizetype>(window.art.size())));
    addButton(row("BUTTON_OK"), [this] { accept(); });
    addButton(row("BUTTON_CANCEL"), [this] { reject(); });
}

}  // namespace option::app
