#include "option/artwork/Paint.h"

#include <QFontMetricsF>

#include <cmath>

namespace artgen {

QImage newImage(int width, int height, double scale, const QColor& fill)
{
    QImage image(static_cast<int>(std::lround(width * scale)), static_cast<int>(std::lround(height * scale)),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(fill);
    return image;
}

QImage cutOut(const QImage& image, const QRectF& rect)
{
    const double scale = image.devicePixelRatio();
    const QRect physical(
        static_cast<int>(std::lround(rect.x() * scale)), static_cast<int>(std::lround(rect.y() * scale)),
        static_cast<int>(std::lround(rect.width() * scale)), static_cast<int>(std::lround(rect.height() * scale)));
    QImage part = image.copy(physical);
    part.setDevicePixelRatio(scale);
    return part;
}

void beginPainting(QPainter& painter, QImage& image)
{
    painter.begin(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

QColor mix(const QColor& a, const QColor& b, double t)
{
    const auto blend = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
    return QColor(blend(a.red(), b.red()), blend(a.green(), b.green()), blend(a.blue(), b.blue()),
                  blend(a.alpha(), b.alpha()));
}

void drawFittedText(QPainter& painter, const QRectF& rect, const QString& text, QFont font, const QColor& color,
                    Qt::Alignment align, int minPixelSize)
{
    if (text.isEmpty())
        return;
    while (font.pixelSize() > minPixelSize && QFontMetricsF(font).horizontalAdvance(text) > rect.width())
        font.setPixelSize(font.pixelSize() - 1);
    const QFontMetricsF metrics(font);
    const QString shown = metrics.elidedText(text, Qt::ElideRight, rect.width());
    painter.save();
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(rect, static_cast<int>(align) | Qt::TextSingleLine, shown);
    painter.restore();
}

void drawWrappedText(QPainter& painter, const QRectF& rect, const QString& text, QFont font, const QColor& color,
                     Qt::Alignment align, int minPixelSize)
{
    const int flags = static_cast<int>(align) | Qt::TextWordWrap;
    while (font.pixelSize() > minPixelSize
           && QFontMetricsF(font).boundingRect(rect, flags, text).height() > rect.height())
        font.setPixelSize(font.pixelSize() - 1);
    painter.save();
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(rect, flags, text);
    painter.restore();
}

}  // namespace artgen
