#include "option/app/PlayerDialog.h"

#include "option/app/SkinMenuModel.h"
#include "option/core/PlayerChoice.h"
#include "option/layout/ShortcutAndLaunchLayout.h"
#include "option/skin/SkinMenu.h"

namespace option::app {
namespace {

QString nameOf(int player)
{
    const std::string_view name = core::playerName(player);
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace

PlayerDialog::PlayerDialog(QWidget* parent, int mediaOption)
    : SkinDialog(parent, layout::media_player::kWindow), player_(mediaOption)
{
    setWindowTitle(QStringLiteral("Select Player"));
    button_ = addButton(row("BUTTON_PLAY"), [this] { openMenu(); });
    button_->setCaption(nameOf(player_));
    addButton(row("BUTTON_OK"), [this] { accept(); });
    addButton(row("BUTTON_CANCEL"), [this] { reject(); });
    addButton(row("BUTTON_EXIT"), [this] { reject(); });
}

void PlayerDialog::openMenu()
{
    skin::SkinMenu menu(this);
    menu.setItemWidth(button_->width());
    for (int player = 0; player < static_cast<int>(core::kPlayerNames.size()); ++player)
        menu.appendItem(core::kFirstPlayerCommand + player, nameOf(player), player == player_);
    choose(trackSkinMenu(menu, button_->mapToGlobal(QPoint(0, button_->height()))));
}

void PlayerDialog::choose(int command)
{
    if (const std::optional<int> player = core::playerOfCommand(command)) {
        player_ = *player;
        button_->setCaption(nameOf(player_));
    }
}

}  // namespace option::app
