#pragma once
#include <QIcon>

namespace upgrader::app {

// The window icon of every upgrader window, from skin/common/icon_<size>.png.
QIcon upgraderIcon();

}  // namespace upgrader::app
