#pragma once
// Pictures that controls show of their own, by name: the status line, the
// LiftOnFlag badge, the statistics page's level bar and view titles, the
// language flags, the menu's submenu arrow and the window icons.

#include "option/artwork/Style.h"

#include <QImage>
#include <QString>

#include <optional>

namespace artgen {

// Draws the picture named by its file name without extension ("status_line",
// "flag_3", "icon_32") over base, which holds the window background under it
// (or is transparent). nullopt for a name no painter knows.
std::optional<QImage> namedPicture(const QString& name, QImage base, const Style& style);

}  // namespace artgen
