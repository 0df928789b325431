#pragma once
// The statistics page's trophy pictures: "trophy_01" to "trophy_13", one medal
// per trophy (its group's emblem on its tier's metal, the thirteenth a cup),
// and "trophy_locked", the grey medal with a padlock shown for every trophy not
// yet unlocked.
#include "option/artwork/Style.h"

#include <QPainter>
#include <QRectF>
#include <QString>

namespace artgen {

// False for a name that is no trophy picture.
bool drawTrophyPicture(QPainter& painter, const QRectF& rect, const QString& name, const Style& style);

}  // namespace artgen
