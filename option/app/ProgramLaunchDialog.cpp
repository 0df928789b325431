#include "option/app/ProgramLaunchDialog.h"

#include "option/app/SystemDialogs.h"
#include "option/layout/ShortcutAndLaunchLayout.h"
#include "option/skin/BitmapEdit.h"
#include "settings/ButtonAssignment.h"

namespace option::app {

ProgramLaunchDialog::ProgramLaunchDialog(QWidget* parent, SystemDialogs& dialogs, const QString& path)
    : SkinDialog(parent, layout::program_launch::kWindow), dialogs_(dialogs)
{
    setWindowTitle(QStringLiteral("Quicklaunch"));
    // The slot keeps the path with its terminator in a fixed field.
    path_ = addEdit(row("Gaming path to executeable"), static_cast<int>(settings::kProgramPathSize) - 1);
    path_->setText(path);
    addButton(row("browser1"), [this] {
        if (const std::optional<QString> program = dialogs_.programFile(this, path_->text()))
            path_->setText(*program);
    });
    addButton(row("BUTTON_OK"), [this] { accept(); });
    addButton(row("BUTTON_CANCEL"), [this] { reject(); });
    addButton(row("BUTTON_EXIT"), [this] { reject(); });
    path_->setFocus();
}

QString ProgramLaunchDialog::path() const { return path_->text(); }

}  // namespace option::app
