#include "option/artwork/Figures.h"

#include "option/artwork/Paint.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>

namespace artgen {
namespace {

// The outline in a unit square, front at the top, thumb side on the left.
QPainterPath mouseBody()
{
    QPainterPath body;
    body.moveTo(0.5, 0.02);
    body.cubicTo(0.78, 0.02, 0.88, 0.1, 0.88, 0.3);
    body.cubicTo(0.88, 0.5, 0.93, 0.7, 0.86, 0.85);
    body.cubicTo(0.8, 0.97, 0.62, 1.0, 0.5, 1.0);
    body.cubicTo(0.38, 1.0, 0.17, 0.97, 0.12, 0.85);
    body.cubicTo(0.06, 0.67, 0.17, 0.56, 0.12, 0.4);
    body.cubicTo(0.09, 0.2, 0.22, 0.02, 0.5, 0.02);
    return body;
}

}  // namespace

void drawMouse(QPainter& p, const QRectF& rect, bool mirror, const Style& style, double light)
{
    // Keep the body's proportions (about 0.6 wide to 1 long).
    const double height = std::min(rect.height(), rect.width() / 0.62);
    const double width = height * 0.62;
    const QRectF box(rect.center().x() - width / 2, rect.center().y() - height / 2, width, height);
    const QColor accent = style.color(QStringLiteral("accent"));
    const QColor glow = style.color(QStringLiteral("accentGlow"));
    const double line = std::max(1.0, height / 120);

    p.save();
    p.translate(box.topLeft());
    if (mirror) {
        p.translate(box.width(), 0);
        p.scale(-1, 1);
    }
    p.scale(box.width(), box.height());
    const QPainterPath body = mouseBody();

    QLinearGradient shell(0, 0, 0, 1);
    shell.setColorAt(0, style.color(QStringLiteral("mouseTop")));
    shell.setColorAt(1, style.color(QStringLiteral("mouseBottom")));
    p.setPen(Qt::NoPen);
    p.setBrush(shell);
    p.drawPath(body);

    // The lit logo at the back and the light edge around the body.
    QRadialGradient logo(QPointF(0.5, 0.76), 0.2);
    QColor core = mix(style.color(QStringLiteral("mouseTop")), glow, light);
    QColor halo = glow;
    halo.setAlphaF(0);
    logo.setColorAt(0, core);
    logo.setColorAt(0.45, mix(style.color(QStringLiteral("mouseBottom")), accent, light * 0.6));
    logo.setColorAt(1, halo);
    p.setBrush(logo);
    p.drawEllipse(QPointF(0.5, 0.76), 0.2, 0.2);

    const double unit = line / box.width();
    QPen edge(mix(style.color(QStringLiteral("controlBorder")), glow, light), unit);
    edge.setCosmetic(false);
    p.setBrush(Qt::NoBrush);
    p.setPen(edge);
    p.drawPath(body);

    // Buttons, wheel and the two thumb buttons.
    QPen seam(style.color(QStringLiteral("mouseSeam")), unit * 1.2);
    p.setPen(seam);
    p.drawLine(QPointF(0.5, 0.03), QPointF(0.5, 0.36));
    QPainterPath rear;
    rear.moveTo(0.13, 0.39);
    rear.quadTo(0.5, 0.47, 0.87, 0.39);
    p.drawPath(rear);
    p.setPen(Qt::NoPen);
    p.setBrush(mix(style.color(QStringLiteral("mouseSeam")), glow, light * 0.5));
    p.drawRoundedRect(QRectF(0.45, 0.1, 0.1, 0.17), 0.05, 0.03);
    p.setBrush(style.color(QStringLiteral("mouseSeam")));
    p.drawRoundedRect(QRectF(0.09, 0.43, 0.07, 0.09), 0.02, 0.02);
    p.drawRoundedRect(QRectF(0.1, 0.54, 0.07, 0.09), 0.02, 0.02);
    p.restore();
}

void drawIcon(QPainter& p, int size, const Style& style)
{
    const QRectF tile(size * 0.04, size * 0.04, size * 0.92, size * 0.92);
    QLinearGradient fill(tile.topLeft(), tile.bottomLeft());
    fill.setColorAt(0, style.color(QStringLiteral("windowBottom")));
    fill.setColorAt(1, style.color(QStringLiteral("windowTop")));
    p.save();
    p.setPen(QPen(style.color(QStringLiteral("accent")), std::max(1.0, size / 32.0)));
    p.setBrush(fill);
    p.drawRoundedRect(tile, size * 0.2, size * 0.2);
    if (size <= 24) {
        // Small sizes: a plain lit silhouette reads better than the detailed mouse.
        QPainterPath body = mouseBody();
        const double h = size * 0.7, w = h * 0.62;
        p.translate((size - w) / 2, (size - h) / 2);
        p.scale(w, h);
        p.setPen(Qt::NoPen);
        p.setBrush(style.color(QStringLiteral("accentGlow")));
        p.drawPath(body);
        p.setBrush(style.color(QStringLiteral("windowTop")));
        p.drawRect(QRectF(0.47, 0.04, 0.06, 0.34));
    } else {
        drawMouse(p, tile.adjusted(size * 0.14, size * 0.1, -size * 0.14, -size * 0.1), false, style, 0.9);
    }
    p.restore();
}

bool drawFigure(QPainter& p, const Figure& f, const Style& style)
{
    const QRectF r = f.rect;
    p.save();
    if (f.kind == QLatin1String("panel")) {
        p.setPen(QPen(style.color(QStringLiteral("panelBorder")), 1));
        p.setBrush(style.color(QStringLiteral("panel")));
        p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), style.metric(QStringLiteral("panelRadius")),
                          style.metric(QStringLiteral("panelRadius")));
    } else if (f.kind == QLatin1String("well")) {
        p.setPen(QPen(style.color(QStringLiteral("controlBorder")), 1));
        p.setBrush(style.color(QStringLiteral("well")));
        p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
    } else if (f.kind == QLatin1String("divider")) {
        p.setPen(QPen(style.color(QStringLiteral("divider")), 1));
        p.drawLine(r.topLeft() + QPointF(0.5, 0.5), r.bottomRight() + QPointF(0.5, 0.5));
    } else if (f.kind == QLatin1String("rule")) {
        QLinearGradient line(r.topLeft(), r.topRight());
        QColor accent = style.color(QStringLiteral("accent"));
        QColor clear = accent;
        clear.setAlpha(0);
        line.setColorAt(0, accent);
        line.setColorAt(0.6, mix(accent, style.color(QStringLiteral("panel")), 0.5));
        line.setColorAt(1, clear);
        p.fillRect(QRectF(r.left(), r.top(), r.width(), std::max(1.0, r.height())), line);
    } else if (f.kind == QLatin1String("badge")) {
        p.setPen(QPen(style.color(QStringLiteral("accent")), 2));
        p.setBrush(style.color(QStringLiteral("well")));
        p.drawEllipse(r.adjusted(1, 1, -1, -1));
    } else if (f.kind == QLatin1String("mouse")) {
        drawMouse(p, r, f.mirror, style, 0.55);
    } else {
        p.restore();
        return false;
    }
    p.restore();
    return true;
}

}  // namespace artgen
