#pragma once
// A skinned window's shape, worked out from its background picture, as a
// region for QWidget::setMask.

#include <QImage>
#include <QRegion>

namespace option::skin {

enum class ShapeMethod {
    Rectangle,  // no shape: the whole rectangle
    CornerKey,  // every pixel with the exact colour of the top-left pixel is cut away
    WhiteRange, // every pure white (255,255,255) or fully transparent pixel is cut away
};

QRegion regionOutsideCornerKey(const QImage& image);
// Pixels whose red, green and blue each lie from `transparent`'s up to that
// plus `tolerance`, and fully transparent pixels, are cut away.
QRegion regionOutsideColourRange(const QImage& image, QRgb transparent, int tolerance);
// The region of `method` for `image`; the image's rectangle for Rectangle.
QRegion windowShape(const QImage& image, ShapeMethod method);

}  // namespace option::skin
