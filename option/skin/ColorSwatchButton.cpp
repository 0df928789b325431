#include "option/skin/ColorSwatchButton.h"

#include <QPainter>

namespace option::skin {

void ColorSwatchButton::setColour(const QColor& colour)
{
    if (colour == colour_) return;
    colour_ = colour;
    update();
}

void ColorSwatchButton::setColorRef(std::uint32_t colorRef)
{
    setColour(QColor(colorRef & 0xFF, (colorRef >> 8) & 0xFF, (colorRef >> 16) & 0xFF));
}

// (3,4)-(19,18) and (4,3)-(18,19), right and bottom edges excluded: a 16x16
// square whose corner pixels stay uncovered.
QRegion ColorSwatchButton::swatchArea()
{
    return QRegion(3, 4, 16, 14) + QRegion(4, 3, 14, 16);
}

void ColorSwatchButton::paintEvent(QPaintEvent* event)
{
    SkinButton::paintEvent(event);
    if (width() <= 0 || height() <= 0) return;
    QPainter painter(this);
    painter.setClipRegion(swatchArea());
    painter.fillRect(swatchArea().boundingRect(), colour_);
}

}  // namespace option::skin
