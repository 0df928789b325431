#pragma once
// Small drawing helpers shared by the artwork painters. Images carry the drawing
// scale as their device pixel ratio, so painters work in window pixels.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>

namespace artgen {

QImage newImage(int width, int height, double scale, const QColor& fill = Qt::transparent);

// Copy of the part of a (scaled) image under a rectangle given in window pixels.
QImage cutOut(const QImage& image, const QRectF& rect);

void beginPainting(QPainter& painter, QImage& image);

QColor mix(const QColor& a, const QColor& b, double t);

// Draws text inside rect, shrinking the font down to minPixelSize to make it fit
// and eliding what still does not fit.
void drawFittedText(QPainter& painter, const QRectF& rect, const QString& text, QFont font, const QColor& color,
                    Qt::Alignment align, int minPixelSize = 9);

// Draws word-wrapped text from the top of rect, shrinking the font until all of
// it fits the rectangle's height.
void drawWrappedText(QPainter& painter, const QRectF& rect, const QString& text, QFont font, const QColor& color,
                     Qt::Alignment align, int minPixelSize = 9);

}  // namespace artgen
