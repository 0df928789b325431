#include "option/artwork/TrophyPictures.h"

#include "option/artwork/Figures.h"
#include "option/artwork/Glyphs.h"
#include "option/artwork/Paint.h"

#include <QJsonArray>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRegularExpression>

#include <cmath>

namespace artgen {
namespace {

// Trophies 1-12 come in four groups of three tiers (bronze, silver, gold).
enum class Emblem { Special, Clicks, Distance, Scrolls, Champion, Locked };

QColor pictureColour(const Style& style, const QString& key, const QColor& fallback)
{
    const QString value = style.picture(QStringLiteral("trophies")).value(key).toString();
    return value.isEmpty() ? fallback : QColor(value);
}

QColor tierColour(const Style& style, int tier)
{
    static const QColor kFallback[] = {QColor(0xcd, 0x7f, 0x32), QColor(0xc4, 0xcb, 0xd3), QColor(0xf2, 0xc1, 0x4e)};
    const QJsonArray tiers = style.picture(QStringLiteral("trophies")).value(QLatin1String("tiers")).toArray();
    return tier < tiers.size() ? QColor(tiers[tier].toString()) : kFallback[tier];
}

void drawWell(QPainter& p, const QRectF& r, const Style& style)
{
    p.setPen(QPen(style.color(QStringLiteral("panelBorder")), 1));
    p.setBrush(style.color(QStringLiteral("well")));
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
}

void drawRibbon(QPainter& p, const QPointF& top, double width, double height, const QColor& colour)
{
    const QColor dark = mix(colour, Qt::black, 0.35);
    for (int side = -1; side <= 1; side += 2) {
        QPainterPath band;
        band.moveTo(top + QPointF(side * width * 0.55, 0));
        band.lineTo(top + QPointF(side * width * 0.05, 0));
        band.lineTo(top + QPointF(-side * width * 0.15, height));
        band.lineTo(top + QPointF(side * width * 0.35, height));
        band.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(side < 0 ? colour : dark);
        p.drawPath(band);
    }
}

void drawMedal(QPainter& p, const QPointF& centre, double radius, const QColor& metal)
{
    QRadialGradient shine(centre - QPointF(radius * 0.35, radius * 0.35), radius * 1.4);
    shine.setColorAt(0, mix(metal, Qt::white, 0.55));
    shine.setColorAt(0.55, metal);
    shine.setColorAt(1, mix(metal, Qt::black, 0.45));
    p.setPen(QPen(mix(metal, Qt::black, 0.55), 1.5));
    p.setBrush(shine);
    p.drawEllipse(centre, radius, radius);
    p.setPen(QPen(mix(metal, Qt::black, 0.3), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radius * 0.78, radius * 0.78);
}

void drawStars(QPainter& p, const QPointF& centre, double size, int count, const QColor& colour)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    const double spacing = size * 1.25;
    for (int i = 0; i < count; ++i) {
        const QPointF c = centre + QPointF((i - (count - 1) / 2.0) * spacing, 0);
        QPolygonF star;
        for (int k = 0; k < 10; ++k) {
            const double angle = -M_PI / 2 + k * M_PI / 5;
            const double r = k % 2 == 0 ? size / 2 : size / 5;
            star << c + QPointF(std::cos(angle) * r, std::sin(angle) * r);
        }
        p.drawPolygon(star);
    }
}

void drawEmblem(QPainter& p, Emblem emblem, const QRectF& box, const QColor& ink, const Style& style)
{
    switch (emblem) {
    case Emblem::Special: {
        // A lightning bolt: the mouse's special functions.
        const QPointF o = box.topLeft();
        const double w = box.width();
        const double h = box.height();
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawPolygon(QPolygonF({o + QPointF(w * 0.58, 0), o + QPointF(w * 0.2, h * 0.56), o + QPointF(w * 0.47, h * 0.56),
                                 o + QPointF(w * 0.36, h), o + QPointF(w * 0.8, h * 0.4), o + QPointF(w * 0.53, h * 0.4)}));
        break;
    }
    case Emblem::Clicks:
        drawMouse(p, box.adjusted(box.width() * 0.18, 0, -box.width() * 0.18, 0), false, style, 0.9);
        break;
    case Emblem::Distance: {
        // A winding track with an arrow: distance moved.
        QPainterPath track;
        track.moveTo(box.left(), box.bottom() - box.height() * 0.1);
        track.cubicTo(box.left() + box.width() * 0.6, box.bottom(), box.left() + box.width() * 0.1, box.top() + box.height() * 0.35,
                      box.right() - box.width() * 0.2, box.top() + box.height() * 0.25);
        p.setPen(QPen(ink, 3.5, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(track);
        drawGlyph(p, QStringLiteral("right"), QRectF(box.right() - box.width() * 0.3, box.top(), box.width() * 0.35, box.height() * 0.5), ink);
        break;
    }
    case Emblem::Scrolls: {
        // The wheel between its two directions.
        const QRectF wheel(box.center().x() - box.width() * 0.14, box.top() + box.height() * 0.22, box.width() * 0.28,
                           box.height() * 0.56);
        p.setPen(QPen(ink, 2));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(wheel, wheel.width() / 2, wheel.width() / 2);
        for (int i = 1; i < 4; ++i) {
            const double y = wheel.top() + wheel.height() * i / 4;
            p.drawLine(QPointF(wheel.left() + 3, y), QPointF(wheel.right() - 3, y));
        }
        drawGlyph(p, QStringLiteral("up"), QRectF(box.center().x() - 9, box.top() - 4, 18, 14), ink);
        drawGlyph(p, QStringLiteral("down"), QRectF(box.center().x() - 9, box.bottom() - 10, 18, 14), ink);
        break;
    }
    case Emblem::Champion:
    case Emblem::Locked:
        break;
    }
}

void drawCup(QPainter& p, const QRectF& r, const QColor& gold, const QColor& glow)
{
    QRadialGradient halo(r.center(), r.width() * 0.55);
    halo.setColorAt(0, QColor(glow.red(), glow.green(), glow.blue(), 110));
    halo.setColorAt(1, QColor(glow.red(), glow.green(), glow.blue(), 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(r.center(), r.width() * 0.55, r.width() * 0.55);

    const double cx = r.center().x();
    const double top = r.top() + r.height() * 0.18;
    const double w = r.width() * 0.5;
    QLinearGradient metal(QPointF(cx - w / 2, 0), QPointF(cx + w / 2, 0));
    metal.setColorAt(0, mix(gold, Qt::black, 0.3));
    metal.setColorAt(0.35, mix(gold, Qt::white, 0.45));
    metal.setColorAt(1, mix(gold, Qt::black, 0.4));
    const QPen edge(mix(gold, Qt::black, 0.55), 1.5);
    // Handles, bowl, stem and base.
    p.setPen(QPen(mix(gold, Qt::black, 0.2), 4));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(cx - w / 2 - 12, top + 4, 22, 26), 90 * 16, 180 * 16);
    p.drawArc(QRectF(cx + w / 2 - 10, top + 4, 22, 26), -90 * 16, 180 * 16);
    QPainterPath bowl;
    bowl.moveTo(cx - w / 2, top);
    bowl.lineTo(cx + w / 2, top);
    bowl.cubicTo(cx + w / 2, top + 34, cx + 8, top + 44, cx + 5, top + 48);
    bowl.lineTo(cx - 5, top + 48);
    bowl.cubicTo(cx - 8, top + 44, cx - w / 2, top + 34, cx - w / 2, top);
    p.setPen(edge);
    p.setBrush(metal);
    p.drawPath(bowl);
    p.drawRect(QRectF(cx - 4, top + 48, 8, 14));
    p.drawRoundedRect(QRectF(cx - 20, top + 62, 40, 10), 2, 2);
    p.drawRoundedRect(QRectF(cx - 26, top + 72, 52, 8), 2, 2);
    drawStars(p, QPointF(cx, top + 18), 13, 1, mix(gold, Qt::white, 0.8));
}

void drawPadlock(QPainter& p, const QPointF& centre, double size, const QColor& ink)
{
    const QRectF body(centre.x() - size / 2, centre.y() - size * 0.1, size, size * 0.7);
    p.setPen(QPen(ink, size * 0.12, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(centre.x() - size * 0.3, centre.y() - size * 0.55, size * 0.6, size * 0.8), 0, 180 * 16);
    p.drawLine(QPointF(centre.x() - size * 0.3, centre.y() - size * 0.15), QPointF(centre.x() - size * 0.3, body.top()));
    p.drawLine(QPointF(centre.x() + size * 0.3, centre.y() - size * 0.15), QPointF(centre.x() + size * 0.3, body.top()));
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawRoundedRect(body, 3, 3);
    p.setBrush(mix(ink, Qt::black, 0.6));
    p.drawEllipse(QPointF(centre.x(), body.center().y() - 2), size * 0.08, size * 0.08);
    p.drawRect(QRectF(centre.x() - size * 0.03, body.center().y() - 2, size * 0.06, size * 0.18));
}

}  // namespace

bool drawTrophyPicture(QPainter& p, const QRectF& r, const QString& name, const Style& style)
{
    static const QRegularExpression numbered(QStringLiteral("^trophy_(\\d\\d)$"));
    const auto match = numbered.match(name);
    const int number = match.hasMatch() ? match.captured(1).toInt() : 0;
    if (name != QLatin1String("trophy_locked") && (number < 1 || number > 13))
        return false;

    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    drawWell(p, r, style);
    const QPointF centre(r.center().x(), r.center().y() + r.height() * 0.08);
    const double radius = r.width() * 0.3;
    if (number == 13) {
        drawCup(p, r, tierColour(style, 2), style.color(QStringLiteral("accentGlow")));
    } else if (number == 0) {
        const QColor grey = pictureColour(style, QStringLiteral("locked"), QColor(0x3a, 0x40, 0x4a));
        drawRibbon(p, QPointF(centre.x(), r.top() + 8), radius, centre.y() - r.top() - 12, mix(grey, Qt::black, 0.2));
        drawMedal(p, centre, radius, grey);
        drawPadlock(p, centre, radius * 0.9, style.color(QStringLiteral("muted")));
    } else {
        const int group = (number - 1) / 3;
        const int tier = (number - 1) % 3;
        const QColor metal = tierColour(style, tier);
        drawRibbon(p, QPointF(centre.x(), r.top() + 8), radius, centre.y() - r.top() - 12,
                   style.color(QStringLiteral("accent")));
        drawMedal(p, centre, radius, metal);
        const QRectF emblemBox(centre.x() - radius * 0.5, centre.y() - radius * 0.55, radius, radius * 0.95);
        drawEmblem(p, static_cast<Emblem>(group), emblemBox, mix(metal, Qt::black, 0.65), style);
        // The tier as one to three stars under the medal.
        drawStars(p, QPointF(centre.x(), r.bottom() - 9), 10, tier + 1, mix(metal, Qt::white, 0.2));
    }
    p.restore();
    return true;
}

}  // namespace artgen
