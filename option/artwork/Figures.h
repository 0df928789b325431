#pragma once
// Vector drawings used in several pictures: the mouse seen from above (with its
// light), the application icon, and the background shapes of windows.

#include "option/artwork/Style.h"

#include <QPainter>
#include <QRectF>

namespace artgen {

// The mouse from above, fitted into rect; mirrored for a left-handed mouse.
// light (0-1) is the brightness of its lit parts.
void drawMouse(QPainter& painter, const QRectF& rect, bool mirror, const Style& style, double light = 0.6);

// The application icon at size x size pixels.
void drawIcon(QPainter& painter, int size, const Style& style);

// A figure of a background description (panel, well, divider, rule, badge, mouse).
// false for an unknown figure.
bool drawFigure(QPainter& painter, const Figure& figure, const Style& style);

}  // namespace artgen
