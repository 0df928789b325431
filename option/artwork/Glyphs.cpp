#include "option/artwork/Glyphs.h"

#include <QPainterPath>
#include <QPen>
#include <QPolygonF>

#include <algorithm>

namespace artgen {
namespace {

const QStringList& glyphNames()
{
    static const QStringList names = {
        QStringLiteral("minimize"), QStringLiteral("close"),    QStringLiteral("left"),   QStringLiteral("right"),
        QStringLiteral("up"),       QStringLiteral("down"),     QStringLiteral("plus"),   QStringLiteral("minus"),
        QStringLiteral("zoom_in"),  QStringLiteral("zoom_out"), QStringLiteral("browse"), QStringLiteral("record"),
        QStringLiteral("stop"),     QStringLiteral("lock"),     QStringLiteral("monitor"), QStringLiteral("link"),
        QStringLiteral("unlink"),   QStringLiteral("tick"),     QStringLiteral("share"),  QStringLiteral("mail"),
        QStringLiteral("download"), QStringLiteral("help"),     QStringLiteral("form"),   QStringLiteral("reset"),
    };
    return names;
}

QPen strokePen(const QColor& color, double width)
{
    QPen pen(color, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

QPolygonF chevron(const QPointF& c, double s, int direction)
{
    // direction: 0 left, 1 right, 2 up, 3 down
    switch (direction) {
    case 0: return QPolygonF({c + QPointF(s * 0.5, -s), c + QPointF(-s * 0.5, 0), c + QPointF(s * 0.5, s)});
    case 1: return QPolygonF({c + QPointF(-s * 0.5, -s), c + QPointF(s * 0.5, 0), c + QPointF(-s * 0.5, s)});
    case 2: return QPolygonF({c + QPointF(-s, s * 0.5), c + QPointF(0, -s * 0.5), c + QPointF(s, s * 0.5)});
    default: return QPolygonF({c + QPointF(-s, -s * 0.5), c + QPointF(0, s * 0.5), c + QPointF(s, -s * 0.5)});
    }
}

void drawMagnifier(QPainter& p, const QRectF& box, const QColor& color, bool plus)
{
    const double s = std::min(box.width(), box.height());
    const double r = s * 0.28;
    const QPointF c = box.center() + QPointF(-s * 0.08, -s * 0.08);
    const double w = std::max(1.2, s * 0.1);
    p.setPen(strokePen(color, w));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r, r);
    p.drawLine(c + QPointF(r * 0.75, r * 0.75), c + QPointF(r * 1.6, r * 1.6));
    p.drawLine(c + QPointF(-r * 0.5, 0), c + QPointF(r * 0.5, 0));
    if (plus)
        p.drawLine(c + QPointF(0, -r * 0.5), c + QPointF(0, r * 0.5));
}

void drawLink(QPainter& p, const QRectF& box, const QColor& color, bool joined)
{
    // Two vertical chain links; apart when the axes are not linked.
    const double w = std::min(box.width() - 2, 8.0);
    const double h = std::min(box.height() * 0.42, 10.0);
    const double gap = joined ? -h * 0.3 : h * 0.25;
    const double x = box.center().x() - w / 2;
    const double total = 2 * h + gap;
    const double top = box.center().y() - total / 2;
    p.setPen(strokePen(color, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(x, top, w, h), w / 2, w / 2);
    p.drawRoundedRect(QRectF(x, top + h + gap, w, h), w / 2, w / 2);
}

}  // namespace

bool isGlyph(const QString& name)
{
    return glyphNames().contains(name);
}

CaptionParts splitCaption(const QString& caption)
{
    if (!caption.startsWith(QLatin1Char('@')))
        return {QString(), caption};
    const qsizetype space = caption.indexOf(QLatin1Char(' '));
    if (space < 0)
        return {caption.mid(1), QString()};
    return {caption.mid(1, space - 1), caption.mid(space + 1)};
}

void drawGlyph(QPainter& p, const QString& name, const QRectF& box, const QColor& color)
{
    p.save();
    const QPointF c = box.center();
    const double s = std::min(box.width(), box.height());
    const double w = std::max(1.3, s * 0.11);
    p.setPen(strokePen(color, w));
    p.setBrush(Qt::NoBrush);
    if (name == QLatin1String("minimize")) {
        p.drawLine(c + QPointF(-s * 0.25, s * 0.18), c + QPointF(s * 0.25, s * 0.18));
    } else if (name == QLatin1String("close")) {
        const double d = s * 0.22;
        p.drawLine(c + QPointF(-d, -d), c + QPointF(d, d));
        p.drawLine(c + QPointF(-d, d), c + QPointF(d, -d));
    } else if (name == QLatin1String("left") || name == QLatin1String("right") || name == QLatin1String("up")
               || name == QLatin1String("down")) {
        const int direction = name == QLatin1String("left") ? 0 : name == QLatin1String("right") ? 1
                                                                 : name == QLatin1String("up")   ? 2
                                                                                                 : 3;
        p.drawPolyline(chevron(c, s * 0.2, direction));
    } else if (name == QLatin1String("plus") || name == QLatin1String("minus")) {
        const double d = s * 0.28;
        p.drawLine(c + QPointF(-d, 0), c + QPointF(d, 0));
        if (name == QLatin1String("plus"))
            p.drawLine(c + QPointF(0, -d), c + QPointF(0, d));
    } else if (name == QLatin1String("zoom_in") || name == QLatin1String("zoom_out")) {
        drawMagnifier(p, box, color, name == QLatin1String("zoom_in"));
    } else if (name == QLatin1String("browse")) {
        p.setPen(Qt::NoPen);
        p.setBrush(color);
        const double r = std::max(1.1, s * 0.08);
        for (int i = -1; i <= 1; ++i)
            p.drawEllipse(c + QPointF(i * s * 0.24, s * 0.05), r, r);
    } else if (name == QLatin1String("record")) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(226, 64, 64));
        p.drawEllipse(c, s * 0.22, s * 0.22);
    } else if (name == QLatin1String("stop")) {
        p.setPen(Qt::NoPen);
        p.setBrush(color);
        p.drawRoundedRect(QRectF(c.x() - s * 0.2, c.y() - s * 0.2, s * 0.4, s * 0.4), 1, 1);
    } else if (name == QLatin1String("lock")) {
        const QRectF body(c.x() - s * 0.22, c.y() - s * 0.02, s * 0.44, s * 0.32);
        p.drawArc(QRectF(c.x() - s * 0.14, c.y() - s * 0.3, s * 0.28, s * 0.4), 0, 180 * 16);
        p.setBrush(color);
        p.setPen(Qt::NoPen);
        p.drawRoundedRect(body, 1, 1);
    } else if (name == QLatin1String("monitor")) {
        const QRectF screen(c.x() - s * 0.3, c.y() - s * 0.26, s * 0.6, s * 0.4);
        p.drawRoundedRect(screen, 1, 1);
        p.drawLine(QPointF(c.x(), screen.bottom()), QPointF(c.x(), screen.bottom() + s * 0.12));
        p.drawLine(QPointF(c.x() - s * 0.16, screen.bottom() + s * 0.14),
                   QPointF(c.x() + s * 0.16, screen.bottom() + s * 0.14));
    } else if (name == QLatin1String("link") || name == QLatin1String("unlink")) {
        drawLink(p, box, color, name == QLatin1String("link"));
    } else if (name == QLatin1String("tick")) {
        p.drawPolyline(QPolygonF({c + QPointF(-s * 0.26, 0), c + QPointF(-s * 0.06, s * 0.2),
                                  c + QPointF(s * 0.28, -s * 0.22)}));
    } else if (name == QLatin1String("share")) {
        const double r = s * 0.09;
        const QPointF a = c + QPointF(-s * 0.22, 0), b = c + QPointF(s * 0.2, -s * 0.2),
                      d = c + QPointF(s * 0.2, s * 0.2);
        p.drawLine(a, b);
        p.drawLine(a, d);
        p.setBrush(color);
        p.drawEllipse(a, r, r);
        p.drawEllipse(b, r, r);
        p.drawEllipse(d, r, r);
    } else if (name == QLatin1String("mail")) {
        const QRectF env(c.x() - s * 0.3, c.y() - s * 0.2, s * 0.6, s * 0.4);
        p.drawRect(env);
        p.drawPolyline(QPolygonF({env.topLeft(), QPointF(c.x(), c.y() + s * 0.04), env.topRight()}));
    } else if (name == QLatin1String("download")) {
        p.drawLine(c + QPointF(0, -s * 0.28), c + QPointF(0, s * 0.12));
        p.drawPolyline(chevron(c + QPointF(0, s * 0.06), s * 0.14, 3));
        p.drawLine(c + QPointF(-s * 0.26, s * 0.3), c + QPointF(s * 0.26, s * 0.3));
    } else if (name == QLatin1String("help")) {
        p.drawEllipse(c, s * 0.3, s * 0.3);
        QFont font = p.font();
        font.setPixelSize(std::max(6, static_cast<int>(s * 0.42)));
        font.setBold(true);
        p.setFont(font);
        p.drawText(QRectF(c.x() - s * 0.3, c.y() - s * 0.3, s * 0.6, s * 0.6), Qt::AlignCenter, QStringLiteral("?"));
    } else if (name == QLatin1String("form")) {
        const QRectF sheet(c.x() - s * 0.22, c.y() - s * 0.3, s * 0.44, s * 0.6);
        p.drawRoundedRect(sheet, 1, 1);
        for (int i = 0; i < 3; ++i) {
            const double y = sheet.top() + s * (0.15 + 0.14 * i);
            p.drawLine(QPointF(sheet.left() + s * 0.1, y), QPointF(sheet.right() - s * 0.1, y));
        }
    } else if (name == QLatin1String("reset")) {
        const QRectF arc(c.x() - s * 0.26, c.y() - s * 0.26, s * 0.52, s * 0.52);
        p.drawArc(arc, 60 * 16, 290 * 16);
        const QPointF tip = arc.center() + QPointF(s * 0.13, -s * 0.225);
        p.drawPolyline(QPolygonF({tip + QPointF(-s * 0.12, -s * 0.08), tip, tip + QPointF(-s * 0.04, s * 0.13)}));
    }
    p.restore();
}

}  // namespace artgen
