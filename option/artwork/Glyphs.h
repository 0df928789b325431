#pragma once
// Small vector symbols used in captions ("@close", "@left Back") and on
// controls: window buttons, arrows, zoom, browse, record, lock, link, tick.

#include <QColor>
#include <QPainter>
#include <QRectF>
#include <QString>

namespace artgen {

bool isGlyph(const QString& name);

// Draws the named symbol centred in box; unknown names draw nothing.
void drawGlyph(QPainter& painter, const QString& name, const QRectF& box, const QColor& color);

// A caption "@name rest" splits into the symbol's name and the text after it.
struct CaptionParts {
    QString glyph;
    QString text;
};
CaptionParts splitCaption(const QString& caption);

}  // namespace artgen
