#include "option/app/MacroSetNameDialog.h"

#include "option/core/MacroManager.h"
#include "option/layout/MacroManagerLayout.h"
#include "option/skin/BitmapEdit.h"
#include "option/skin/SkinMessageEvent.h"

namespace option::app {

MacroSetNameDialog::MacroSetNameDialog(QWidget* parent) : SkinDialog(parent, layout::macro_set_name::kWindow)
{
    setWindowTitle(QStringLiteral("New Macro Set"));
    name_ = addEdit(row("EDIT_SET_NAME"), static_cast<int>(core::kMaxMacroNameLength));
    addButton(row("BUTTON_OK"), [this] { tryAccept(); });
    addButton(row("BUTTON_CANCEL"), [this] { reject(); });
    addButton(row("BUTTON_Exit"), [this] { reject(); });
    name_->setFocus();
    surface()->installEventFilter(this);
}

QString MacroSetNameDialog::name() const { return name_->text().trimmed(); }

void MacroSetNameDialog::tryAccept()
{
    if (!name().isEmpty())
        accept();
}

bool MacroSetNameDialog::eventFilter(QObject* watched, QEvent* event)
{
    // The field reports Enter to its parent, the dialog's surface.
    const auto* message = watched == surface() ? skin::SkinMessageEvent::from(event) : nullptr;
    if (message && message->message() == skin::kEditChangedMessage && message->wParam() == skin::kEditEnter) {
        tryAccept();
        return true;
    }
    return SkinDialog::eventFilter(watched, event);
}

}  // namespace option::app
