#pragma once
// Fills a skinned popup menu from a menu tree of option/core, and runs it: the
// command chosen, also when it was chosen in a submenu.
#include <QPoint>

#include <vector>

#include "option/core/ButtonContextMenu.h"
#include "option/skin/SkinMenu.h"

namespace option::app {

void fillSkinMenu(skin::SkinMenu& menu, const std::vector<core::MenuItemModel>& items);

// Shows the menu at `screenPos` until it closes; 0 when nothing was chosen.
int trackSkinMenu(skin::SkinMenu& menu, const QPoint& screenPos);

}  // namespace option::app
