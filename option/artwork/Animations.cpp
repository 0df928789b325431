#include "option/artwork/Animations.h"

#include "option/artwork/Figures.h"
#include "option/artwork/Glyphs.h"
#include "option/artwork/Paint.h"

#include <QJsonArray>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRegularExpression>

#include <cmath>
#include <numbers>

namespace artgen {
namespace {

QRectF logicalRect(const QImage& image)
{
    return QRectF(0, 0, image.width() / image.devicePixelRatio(), image.height() / image.devicePixelRatio());
}

// An indeterminate progress bar: accent stripes running through a groove.
Animation progressBar(const QImage& base, const Style& style)
{
    constexpr int kPeriod = 16;
    Animation animation;
    const QRectF r = logicalRect(base);
    for (int f = 0; f < kPeriod; ++f) {
        QImage frame = base;
        QPainter p;
        beginPainting(p, frame);
        const QRectF groove = r.adjusted(0.5, 0.5, -0.5, -0.5);
        QPainterPath shape;
        shape.addRoundedRect(groove, 3, 3);
        p.setPen(QPen(style.color(QStringLiteral("controlBorder")), 1));
        p.setBrush(mix(style.color(QStringLiteral("well")), style.color(QStringLiteral("accent")), 0.25));
        p.drawPath(shape);
        p.setClipPath(shape);
        p.setPen(Qt::NoPen);
        p.setBrush(style.color(QStringLiteral("accent")));
        for (double x = -2.0 * kPeriod + f; x < r.width() + kPeriod; x += kPeriod) {
            const QPolygonF stripe({QPointF(x, r.bottom()), QPointF(x + r.height(), r.top()),
                                    QPointF(x + r.height() + kPeriod / 2.0, r.top()),
                                    QPointF(x + kPeriod / 2.0, r.bottom())});
            p.drawPolygon(stripe);
        }
        QLinearGradient gloss(r.topLeft(), r.bottomLeft());
        gloss.setColorAt(0, QColor(255, 255, 255, 70));
        gloss.setColorAt(0.5, QColor(255, 255, 255, 0));
        p.fillRect(r, gloss);
        p.end();
        animation.frames.append(frame);
        animation.delays.append(6);
    }
    return animation;
}

// The mouse's light fading in and out.
Animation breathing(const QImage& base, const Style& style)
{
    constexpr int kFrames = 24;
    Animation animation;
    const QRectF r = logicalRect(base);
    for (int f = 0; f < kFrames; ++f) {
        const double light = 0.1 + 0.9 * (1 - std::cos(2 * std::numbers::pi * f / kFrames)) / 2;
        QImage frame = base;
        QPainter p;
        beginPainting(p, frame);
        QRadialGradient halo(r.center(), r.height() * 0.55);
        QColor glow = style.color(QStringLiteral("accentGlow"));
        glow.setAlphaF(0.35 * light);
        QColor clear = glow;
        clear.setAlpha(0);
        halo.setColorAt(0, glow);
        halo.setColorAt(1, clear);
        p.fillRect(r, halo);
        drawMouse(p, r.adjusted(4, 3, -4, -3), false, style, light);
        p.end();
        animation.frames.append(frame);
        animation.delays.append(8);
    }
    return animation;
}

}  // namespace

// The double-click test area: a target the user double-clicks.
void drawClickTarget(QPainter& p, const QRectF& r, const Style& style)
{
    p.setPen(QPen(style.color(QStringLiteral("panelBorder")), 1));
    p.setBrush(style.color(QStringLiteral("well")));
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    const QPointF c = r.center();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(style.color(QStringLiteral("accent")), 1.5));
    p.drawEllipse(c, 7.0, 7.0);
    p.setBrush(style.color(QStringLiteral("accentGlow")));
    p.setPen(Qt::NoPen);
    p.drawEllipse(c, 2.5, 2.5);
}

namespace {

// Two ripples, one for each click, spreading from the target; the last frame
// stays lit with a tick, as the clip plays once.
Animation doubleClick(const QImage& base, const Style& style)
{
    constexpr int kFrames = 12;
    Animation animation;
    const QRectF r = logicalRect(base);
    for (int f = 0; f < kFrames; ++f) {
        QImage frame = base;
        QPainter p;
        beginPainting(p, frame);
        drawClickTarget(p, r, style);
        p.setClipRect(r.adjusted(1, 1, -1, -1));
        for (const int start : {0, 4}) {
            const int age = f - start;
            if (age < 0 || age > 6)
                continue;
            QColor ring = style.color(QStringLiteral("accentGlow"));
            ring.setAlphaF(1.0 - age / 7.0);
            p.setPen(QPen(ring, 1.5));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(r.center(), 4.0 + age * 3.0, 4.0 + age * 3.0);
        }
        if (f == kFrames - 1)
            drawGlyph(p, QStringLiteral("tick"), QRectF(r.right() - 15, r.top() + 2, 13, 13),
                      style.color(QStringLiteral("accentGlow")));
        p.end();
        animation.frames.append(frame);
        animation.delays.append(6);
    }
    return animation;
}

QPainterPath shield(const QRectF& r)
{
    QPainterPath path;
    const double w = r.width(), h = r.height();
    path.moveTo(r.left() + w * 0.5, r.top());
    path.lineTo(r.right(), r.top() + h * 0.25);
    path.lineTo(r.right(), r.top() + h * 0.75);
    path.lineTo(r.left() + w * 0.5, r.bottom());
    path.lineTo(r.left(), r.top() + h * 0.75);
    path.lineTo(r.left(), r.top() + h * 0.25);
    path.closeSubpath();
    return path;
}

// A level badge with the level's number and rank, 13 pips of which `level` are
// lit, and a shine passing over it.
Animation level(const QImage& base, const Style& style, int level)
{
    constexpr int kFrames = 18;
    const QJsonObject texts = style.picture(QStringLiteral("level_animation"));
    const QString label = texts.value(QLatin1String("label")).toString();
    const QString rank = texts.value(QLatin1String("ranks")).toArray().at(level - 1).toString();
    const QColor accent = style.color(QStringLiteral("accent"));
    const QColor glow = style.color(QStringLiteral("accentGlow"));
    // The badge's hue runs from the accent blue through violet and red to gold.
    const double hue = std::fmod(accent.hsvHueF() + (level - 1) / 12.0 * (400.0 / 360.0 - accent.hsvHueF()), 1.0);
    const QColor badgeColor = QColor::fromHsvF(static_cast<float>(hue), 0.72f, 0.86f);

    Animation animation;
    const QRectF r = logicalRect(base);
    const QRectF badge(r.left() + 3, r.top() + 1, 28, r.height() - 2);
    for (int f = 0; f < kFrames; ++f) {
        QImage frame = base;
        QPainter p;
        beginPainting(p, frame);
        const QPainterPath shape = shield(badge);
        QLinearGradient fill(badge.topLeft(), badge.bottomLeft());
        fill.setColorAt(0, mix(badgeColor, Qt::white, 0.2));
        fill.setColorAt(1, mix(badgeColor, Qt::black, 0.35));
        p.setPen(QPen(mix(badgeColor, Qt::white, 0.5), 1));
        p.setBrush(fill);
        p.drawPath(shape);
        drawFittedText(p, badge, QString::number(level), style.font(QStringLiteral("heading")), Qt::white,
                       Qt::AlignCenter);

        const QRectF text(badge.right() + 8, r.top() + 1, r.right() - badge.right() - 10, 16);
        drawFittedText(p, text, label + QLatin1Char(' ') + QString::number(level) + QStringLiteral("  ") + rank,
                       style.font(QStringLiteral("label")), style.color(QStringLiteral("caption")),
                       Qt::AlignLeft | Qt::AlignVCenter);
        const double pipWidth = (text.width() - 12 * 2) / 13.0;
        for (int i = 0; i < 13; ++i) {
            const QRectF pip(text.left() + i * (pipWidth + 2), r.bottom() - 10, pipWidth, 6);
            p.setPen(Qt::NoPen);
            p.setBrush(i < level ? mix(glow, badgeColor, i / 12.0) : style.color(QStringLiteral("well")));
            p.drawRoundedRect(pip, 1.5, 1.5);
        }

        // The shine runs across the first two thirds of the loop, then rests.
        const double t = f / (kFrames * 0.66);
        if (t <= 1.0) {
            const double x = r.left() - 30 + t * (r.width() + 60);
            QLinearGradient shine(QPointF(x - 14, 0), QPointF(x + 14, 0));
            shine.setColorAt(0, QColor(255, 255, 255, 0));
            shine.setColorAt(0.5, QColor(255, 255, 255, 110));
            shine.setColorAt(1, QColor(255, 255, 255, 0));
            QPainterPath lit = shape;
            lit.addRect(QRectF(text.left(), r.bottom() - 10, text.width(), 6));
            p.setClipPath(lit);
            p.fillRect(r, shine);
        }
        p.end();
        animation.frames.append(frame);
        animation.delays.append(f == kFrames - 1 ? 150 : 5);
    }
    return animation;
}

}  // namespace

std::optional<Animation> namedAnimation(const QString& fileName, const QImage& base, const Style& style)
{
    static const QRegularExpression levelFile(QStringLiteral("^(\\d\\d)\\.gif$"));
    if (fileName == QLatin1String("ProgressbarAnimation.gif"))
        return progressBar(base, style);
    if (fileName == QLatin1String("Breathing_Animation.gif"))
        return breathing(base, style);
    if (fileName == QLatin1String("double_click.gif"))
        return doubleClick(base, style);
    if (const auto m = levelFile.match(fileName); m.hasMatch()) {
        const int n = m.captured(1).toInt();
        if (n >= 1 && n <= 13)
            return level(base, style, n);
    }
    return std::nullopt;
}

}  // namespace artgen
