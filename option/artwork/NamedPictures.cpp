#include "option/artwork/NamedPictures.h"

#include "option/artwork/Animations.h"
#include "option/artwork/Figures.h"
#include "option/artwork/Flags.h"
#include "option/artwork/Glyphs.h"
#include "option/artwork/HoverPictures.h"
#include "option/artwork/Paint.h"
#include "option/artwork/TrophyPictures.h"
#include "option/layout/ButtonPageLayout.h"

#include <QJsonArray>
#include <QLinearGradient>
#include <QRegularExpression>

namespace artgen {
namespace {

QRectF logicalRect(const QImage& image)
{
    return QRectF(0, 0, image.width() / image.devicePixelRatio(), image.height() / image.devicePixelRatio());
}

void statusLine(QPainter& p, const QRectF& r, const Style& style)
{
    QLinearGradient strip(r.topLeft(), r.bottomLeft());
    strip.setColorAt(0, mix(style.color(QStringLiteral("statusStrip")), Qt::black, 0.3));
    strip.setColorAt(1, style.color(QStringLiteral("statusStrip")));
    p.setPen(QPen(style.color(QStringLiteral("controlBorder")), 1));
    p.setBrush(strip);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
}

void liftOnFlag(QPainter& p, const QRectF& r, const Style& style)
{
    const QJsonObject texts = style.picture(QStringLiteral("lift_on_flag"));
    const QRectF badge = r.adjusted(1, 4, -1, -4);
    p.setPen(QPen(style.color(QStringLiteral("accent")), 1));
    p.setBrush(mix(style.color(QStringLiteral("panel")), style.color(QStringLiteral("accent")), 0.18));
    p.drawRoundedRect(badge.adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
    // A mouse over a surface line with an arrow lifting it.
    const QRectF icon(badge.left() + 6, badge.top() + 3, 30, badge.height() - 6);
    drawMouse(p, QRectF(icon.left(), icon.top(), 16, icon.height() - 6), false, style, 0.9);
    p.setPen(QPen(style.color(QStringLiteral("accentGlow")), 1.5));
    p.drawLine(QPointF(icon.left(), icon.bottom() - 1), QPointF(icon.left() + 16, icon.bottom() - 1));
    drawGlyph(p, QStringLiteral("up"), QRectF(icon.left() + 15, icon.top() + 2, 16, 16),
              style.color(QStringLiteral("accentGlow")));
    const QRectF text(icon.right() + 6, badge.top() + 3, badge.right() - icon.right() - 10, badge.height() - 6);
    drawFittedText(p, QRectF(text.left(), text.top(), text.width(), text.height() / 2),
                   texts.value(QLatin1String("line1")).toString(), style.font(QStringLiteral("label")),
                   style.color(QStringLiteral("caption")), Qt::AlignLeft | Qt::AlignVCenter);
    drawFittedText(p, QRectF(text.left(), text.center().y(), text.width(), text.height() / 2),
                   texts.value(QLatin1String("line2")).toString(), style.font(QStringLiteral("heading")),
                   style.color(QStringLiteral("accentGlow")), Qt::AlignLeft | Qt::AlignVCenter);
}

void levelBar(QPainter& p, const QRectF& r, const Style& style)
{
    // Drawn over width x level / 13, so its 13 segments show the level reached.
    QLinearGradient fill(r.topLeft(), r.topRight());
    fill.setColorAt(0, style.color(QStringLiteral("accent")));
    fill.setColorAt(1, style.color(QStringLiteral("accentGlow")));
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(r.adjusted(0, 2, 0, -2), 3, 3);
    p.setPen(QPen(mix(style.color(QStringLiteral("accent")), Qt::black, 0.5), 1));
    for (int i = 1; i < 13; ++i) {
        const double x = std::round(r.left() + r.width() * i / 13.0) + 0.5;
        p.drawLine(QPointF(x, r.top() + 3), QPointF(x, r.bottom() - 3));
    }
    QColor shine(255, 255, 255, 60);
    p.fillRect(QRectF(r.left() + 2, r.top() + 3, r.width() - 4, r.height() * 0.25), shine);
}

void viewTitle(QPainter& p, const QRectF& r, const QString& name, const Style& style)
{
    const QString text = style.picture(name).value(QLatin1String("text")).toString();
    drawFittedText(p, r, text, style.font(QStringLiteral("heading")), style.color(QStringLiteral("caption")),
                   Qt::AlignCenter);
}

// Hue from left to right; pale at the top, full in the middle, dark at the
// bottom. The top row stays short of white, which the picker ignores.
void spectrum(QPainter& p, const QRectF& r)
{
    QLinearGradient hues(r.topLeft(), r.topRight());
    for (int i = 0; i <= 6; ++i)
        hues.setColorAt(i / 6.0, QColor::fromHsv((i * 60) % 360, 255, 255));
    p.fillRect(r, hues);
    QLinearGradient shade(r.topLeft(), r.bottomLeft());
    shade.setColorAt(0, QColor(255, 255, 255, 200));
    shade.setColorAt(0.45, QColor(255, 255, 255, 0));
    shade.setColorAt(0.55, QColor(0, 0, 0, 0));
    shade.setColorAt(1, QColor(0, 0, 0, 200));
    p.fillRect(r, shade);
}

void menuArrow(QPainter& p, const QRectF& r)
{
    // White on transparent: readable on the menu's black and on its blue.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    const QPointF c = r.center();
    p.drawPolygon(QPolygonF({c + QPointF(-2.5, -4.5), c + QPointF(2.5, 0), c + QPointF(-2.5, 4.5)}));
}

}  // namespace

std::optional<QImage> namedPicture(const QString& name, QImage base, const Style& style)
{
    const QRectF r = logicalRect(base);
    QPainter p;
    beginPainting(p, base);
    static const QRegularExpression flag(QStringLiteral("^flag_(\\d+)(_small)?$"));
    static const QRegularExpression icon(QStringLiteral("^icon(_(\\d+))?$"));
    static const QRegularExpression hover(QStringLiteral("^hover_(\\d\\d)$"));
    if (name == QLatin1String("status_line")) {
        statusLine(p, r, style);
    } else if (name == QLatin1String("lift_on_flag")) {
        liftOnFlag(p, r, style);
    } else if (name == QLatin1String("level_bar")) {
        levelBar(p, r, style);
    } else if (name.startsWith(QLatin1String("view_"))) {
        viewTitle(p, r, name, style);
    } else if (name == QLatin1String("spectrum")) {
        spectrum(p, r);
    } else if (name == QLatin1String("double_click")) {
        drawClickTarget(p, r, style);
    } else if (name == QLatin1String("menu_arrow")) {
        menuArrow(p, r);
    } else if (const auto m = flag.match(name); m.hasMatch()) {
        drawFlag(p, m.captured(1).toInt(), r);
    } else if (const auto m = hover.match(name); m.hasMatch()) {
        // The picture stands at its place on the button page; the mouse drawings
        // are placed in page coordinates.
        const QRectF place(m.captured(1).toInt() < option::layout::button_page::kNormalHoverPictures
                               ? option::layout::button_page::kNormalHoverPictureLeft
                               : option::layout::button_page::kShiftHoverPictureLeft,
                           option::layout::button_page::kHoverPictureTop, r.width(), r.height());
        drawHoverPicture(p, m.captured(1).toInt(), place, style);
    } else if (const auto m = icon.match(name); m.hasMatch()) {
        drawIcon(p, static_cast<int>(r.width()), style);
    } else if (drawTrophyPicture(p, r, name, style)) {
    } else {
        return std::nullopt;
    }
    p.end();
    return base;
}

}  // namespace artgen
