#pragma once
// The button page's hover pictures "hover_00" to "hover_59": the page's mouse
// drawing with the hovered button lit. Pictures 0-11 show the normal layer's
// slots; 12-59 the Dualkey layer's in four sets of twelve (the Dualkey key on
// slot 3 only, on slot 4 only, on both, on neither), where the Dualkey button
// is ringed as the one held down.

#include "option/artwork/Style.h"

#include <QPainter>
#include <QRectF>

namespace artgen {

// Draws hover picture `index` (0-59) into `area`, the picture's rectangle, over
// the page background already in it. False for another index.
bool drawHoverPicture(QPainter& painter, int index, const QRectF& area, const Style& style);

}  // namespace artgen
