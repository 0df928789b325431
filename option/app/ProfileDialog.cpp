#include "option/app/ProfileDialog.h"

#include "option/app/SystemDialogs.h"
#include "option/core/ProfileEditing.h"
#include "option/layout/ShortcutAndLaunchLayout.h"
#include "option/skin/BitmapEdit.h"
#include "settings/ProfileRecord.h"

namespace option::app {

ProfileDialog::ProfileDialog(QWidget* parent, SystemDialogs& dialogs, const core::ProfileIdentity& identity)
    : SkinDialog(parent, layout::profile_dialog::kWindow), dialogs_(dialogs)
{
    name_ = addEdit(row("EDIT_PROFILE_NAME"), static_cast<int>(core::kMaxProfileNameLength));
    name_->setText(QString::fromStdString(identity.name));
    for (int game = 0; game < static_cast<int>(games_.size()); ++game) {
        QLineEdit* field = games_[static_cast<std::size_t>(game)] =
            addEdit(row("EDIT_PATH_TOEXECUTEABLE", game), static_cast<int>(settings::kGameFileSize) - 1);
        if (static_cast<std::size_t>(game) < identity.gameFiles.size())
            field->setText(QString::fromStdString(identity.gameFiles[static_cast<std::size_t>(game)]));
        addButton(row("BUTTON_BROWER", game), [this, game] { browse(game); });
    }
    addButton(row("BUTTON_OK"), [this] { accept(); });
    addButton(row("BUTTON_CANCEL"), [this] { reject(); });
    addButton(row("BUTTON_Exit"), [this] { reject(); });
    name_->setFocus();
}

core::ProfileIdentity ProfileDialog::identity() const
{
    core::ProfileIdentity identity;
    identity.name = name_->text().toStdString();
    for (const skin::BitmapEdit* game : games_)
        identity.gameFiles.push_back(game->text().toStdString());
    return identity;
}

void ProfileDialog::browse(int game)
{
    skin::BitmapEdit* field = games_[static_cast<std::size_t>(game)];
    if (const std::optional<QString> program = dialogs_.programFile(this, field->text()))
        field->setText(*program);
}

}  // namespace option::app
