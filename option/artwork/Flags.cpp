#include "option/artwork/Flags.h"

#include <QPainterPath>
#include <QPolygonF>

#include <cmath>
#include <numbers>

namespace artgen {
namespace {

QPolygonF star(const QPointF& centre, double radius, double rotation = 0)
{
    QPolygonF points;
    for (int i = 0; i < 10; ++i) {
        const double r = (i % 2 == 0) ? radius : radius * 0.382;
        const double angle = -std::numbers::pi / 2 + rotation + i * std::numbers::pi / 5;
        points << centre + QPointF(std::cos(angle) * r, std::sin(angle) * r);
    }
    return points;
}

void stripes(QPainter& p, const QRectF& r, std::initializer_list<QColor> colors, bool vertical,
             std::initializer_list<double> weights = {})
{
    double total = 0;
    std::vector<double> w(weights);
    if (w.empty())
        w.assign(colors.size(), 1.0);
    for (double x : w)
        total += x;
    double at = 0;
    std::size_t i = 0;
    for (const QColor& color : colors) {
        const double share = w[i++] / total;
        const QRectF band = vertical ? QRectF(r.left() + r.width() * at, r.top(), r.width() * share, r.height())
                                     : QRectF(r.left(), r.top() + r.height() * at, r.width(), r.height() * share);
        p.fillRect(band, color);
        at += share;
    }
}

void nordicCross(QPainter& p, const QRectF& r, const QColor& field, const QColor& cross, const QColor& inner = {})
{
    p.fillRect(r, field);
    const double bar = r.height() * 0.24;
    const double x = r.left() + r.width() * 0.36;
    p.fillRect(QRectF(x - bar / 2, r.top(), bar, r.height()), cross);
    p.fillRect(QRectF(r.left(), r.center().y() - bar / 2, r.width(), bar), cross);
    if (inner.isValid()) {
        const double thin = bar * 0.5;
        p.fillRect(QRectF(x - thin / 2, r.top(), thin, r.height()), inner);
        p.fillRect(QRectF(r.left(), r.center().y() - thin / 2, r.width(), thin), inner);
    }
}

void unionFlag(QPainter& p, const QRectF& r)
{
    const QColor blue(1, 33, 105), red(200, 16, 46);
    p.fillRect(r, blue);
    p.save();
    p.setClipRect(r);
    const double h = r.height();
    p.setPen(QPen(Qt::white, h * 0.2));
    p.drawLine(r.topLeft(), r.bottomRight());
    p.drawLine(r.bottomLeft(), r.topRight());
    p.setPen(QPen(red, h * 0.07));
    p.drawLine(r.topLeft(), r.bottomRight());
    p.drawLine(r.bottomLeft(), r.topRight());
    p.restore();
    p.fillRect(QRectF(r.center().x() - h * 0.17, r.top(), h * 0.34, h), Qt::white);
    p.fillRect(QRectF(r.left(), r.center().y() - h * 0.17, r.width(), h * 0.34), Qt::white);
    p.fillRect(QRectF(r.center().x() - h * 0.1, r.top(), h * 0.2, h), red);
    p.fillRect(QRectF(r.left(), r.center().y() - h * 0.1, r.width(), h * 0.2), red);
}

void korea(QPainter& p, const QRectF& r)
{
    p.fillRect(r, Qt::white);
    const QPointF c = r.center();
    const double rad = r.height() * 0.25;
    const QColor red(205, 46, 58), blue(0, 71, 160);
    p.setPen(Qt::NoPen);
    p.setBrush(blue);
    p.drawEllipse(c, rad, rad);
    QPainterPath top;
    top.moveTo(c + QPointF(-rad, 0));
    top.arcTo(QRectF(c.x() - rad, c.y() - rad, 2 * rad, 2 * rad), 180, -180);
    top.arcTo(QRectF(c.x(), c.y() - rad / 2, rad, rad), 0, -180);
    top.arcTo(QRectF(c.x() - rad, c.y() - rad / 2, rad, rad), 0, 180);
    p.setBrush(red);
    p.drawPath(top);
    // The four trigrams as short black bars at the diagonals.
    p.setBrush(Qt::black);
    const double bar = std::max(1.0, r.height() * 0.06);
    for (int i = 0; i < 4; ++i) {
        const double angle = std::numbers::pi / 4 + i * std::numbers::pi / 2;
        const QPointF at = c + QPointF(std::cos(angle) * r.width() * 0.3, std::sin(angle) * r.height() * 0.36);
        p.save();
        p.translate(at);
        p.rotate(angle * 180 / std::numbers::pi + 90);
        for (int k = -1; k <= 1; ++k)
            p.drawRect(QRectF(-r.height() * 0.1, k * bar * 1.6 - bar / 2, r.height() * 0.2, bar));
        p.restore();
    }
}

void chineseTile(QPainter& p, const QRectF& r)
{
    // A neutral tile for Traditional Chinese: the character 中 drawn as strokes.
    p.fillRect(r, QColor(250, 246, 238));
    const QColor red(186, 24, 32);
    const double h = r.height();
    const double w = std::max(1.0, h * 0.1);
    const QRectF box(r.center().x() - h * 0.3, r.center().y() - h * 0.16, h * 0.6, h * 0.34);
    p.setPen(QPen(red, w, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawRect(box);
    p.drawLine(QPointF(r.center().x(), r.top() + h * 0.12), QPointF(r.center().x(), r.bottom() - h * 0.12));
}

}  // namespace

void drawFlag(QPainter& p, int language, const QRectF& r)
{
    p.save();
    p.setPen(Qt::NoPen);
    const QColor white(255, 255, 255);
    const double h = r.height();
    switch (language) {
    case 0: nordicCross(p, r, QColor(200, 16, 46), white); break;
    case 2: nordicCross(p, r, white, QColor(0, 47, 108)); break;
    case 3: stripes(p, r, {QColor(0, 85, 164), white, QColor(239, 65, 53)}, true); break;
    case 4: stripes(p, r, {QColor(20, 20, 20), QColor(221, 0, 0), QColor(255, 206, 0)}, false); break;
    case 5: stripes(p, r, {QColor(0, 146, 70), white, QColor(206, 43, 55)}, true); break;
    case 6:
        p.fillRect(r, white);
        p.setBrush(QColor(188, 0, 45));
        p.drawEllipse(r.center(), h * 0.3, h * 0.3);
        break;
    case 7: korea(p, r); break;
    case 8: stripes(p, r, {white, QColor(220, 20, 60)}, false); break;
    case 9: stripes(p, r, {white, QColor(0, 57, 166), QColor(213, 43, 30)}, false); break;
    case 10: {
        p.fillRect(r, QColor(222, 41, 16));
        p.setBrush(QColor(255, 222, 0));
        const QPointF big(r.left() + r.width() * 0.17, r.top() + h * 0.28);
        p.drawPolygon(star(big, h * 0.17));
        const QPointF small[] = {{0.33, 0.1}, {0.4, 0.2}, {0.4, 0.35}, {0.33, 0.45}};
        for (const QPointF& s : small)
            p.drawPolygon(star(QPointF(r.left() + r.width() * s.x(), r.top() + h * s.y()), h * 0.06));
        break;
    }
    case 11:
        stripes(p, r, {QColor(170, 21, 27), QColor(241, 191, 0), QColor(170, 21, 27)}, false, {1, 2, 1});
        break;
    case 12: nordicCross(p, r, QColor(0, 106, 167), QColor(254, 204, 0)); break;
    case 13:
        stripes(p, r, {QColor(165, 25, 49), white, QColor(45, 42, 74), white, QColor(165, 25, 49)}, false,
                {1, 1, 2, 1, 1});
        break;
    case 14: chineseTile(p, r); break;
    case 15: {
        p.fillRect(r, QColor(227, 10, 23));
        const QPointF c(r.left() + r.width() * 0.38, r.center().y());
        p.setBrush(white);
        p.drawEllipse(c, h * 0.25, h * 0.25);
        p.setBrush(QColor(227, 10, 23));
        p.drawEllipse(c + QPointF(h * 0.07, 0), h * 0.2, h * 0.2);
        p.setBrush(white);
        p.drawPolygon(star(c + QPointF(h * 0.36, 0), h * 0.12, -std::numbers::pi / 2));
        break;
    }
    case 16:
        p.fillRect(r, QColor(218, 37, 29));
        p.setBrush(QColor(255, 255, 0));
        p.drawPolygon(star(r.center(), h * 0.3));
        break;
    default: unionFlag(p, r); break;
    }
    // A faint edge keeps light flags apart from a light background.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 90), 1));
    p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
    p.restore();
}

}  // namespace artgen
