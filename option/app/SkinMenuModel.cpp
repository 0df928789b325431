#include "option/app/SkinMenuModel.h"

namespace option::app {

void fillSkinMenu(skin::SkinMenu& menu, const std::vector<core::MenuItemModel>& items)
{
    for (const core::MenuItemModel& item : items) {
        const QString text = QString::fromStdString(item.text);
        if (item.isSeparator()) {
            menu.appendSeparator();
        } else if (item.opensSubmenu()) {
            skin::SkinMenu* submenu = menu.appendSubmenu(text, item.current);
            if (item.itemWidth > 0)
                submenu->setItemWidth(item.itemWidth);
            fillSkinMenu(*submenu, item.submenu);
        } else {
            menu.appendItem(item.command, text, item.current);
        }
    }
}

int trackSkinMenu(skin::SkinMenu& menu, const QPoint& screenPos)
{
    // An item of a submenu reaches the top menu's triggered signal, also when it
    // was triggered without the mouse.
    int chosen = 0;
    const QMetaObject::Connection connection = QObject::connect(
        &menu, &QMenu::triggered, &menu, [&chosen](QAction* action) { chosen = skin::SkinMenu::commandOf(action); });
    const int command = menu.track(screenPos);
    QObject::disconnect(connection);
    return command != 0 ? command : chosen;
}

}  // namespace option::app
