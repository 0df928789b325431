#include "option/artwork/ControlPainter.h"

#include "option/artwork/Flags.h"
#include "option/artwork/Glyphs.h"
#include "option/artwork/Paint.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>

#include <algorithm>

namespace artgen {
namespace {

const QStringList& lookNames()
{
    static const QStringList names = {
        QStringLiteral("push"),     QStringLiteral("tab"),       QStringLiteral("segment"),
        QStringLiteral("check"),    QStringLiteral("radio"),     QStringLiteral("icon"),
        QStringLiteral("slot"),     QStringLiteral("slot_fixed"), QStringLiteral("slot_unassigned"),
        QStringLiteral("marker"),   QStringLiteral("name_field"), QStringLiteral("swatch"),
        QStringLiteral("dropdown"), QStringLiteral("link"),      QStringLiteral("language_row"),
    };
    return names;
}

QPainterPath cutCornerSquare(const QRectF& r)
{
    // The swatch's colour area: two rectangles whose union has cut corners.
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    path.addRect(r.adjusted(1, 0, -1, 0));
    path.addRect(r.adjusted(0, 1, 0, -1));
    return path.simplified();
}

}  // namespace

bool isKnownLook(const QString& look)
{
    return lookNames().contains(look);
}

QColor ControlPainter::fillFor(const QColor& base, ControlState s) const
{
    if (s == ControlState::Hover)
        return mix(base, Qt::white, style_.metric(QStringLiteral("hoverLighten")) / 100.0);
    if (s == ControlState::Pressed)
        return mix(base, style_.color(QStringLiteral("accent")),
                   style_.metric(QStringLiteral("pressedAccent")) / 100.0);
    return base;
}

void ControlPainter::draw(QPainter& p, const ControlArt& c, ControlState s) const
{
    if (s != ControlState::Disabled) {
        drawEnabled(p, c, s);
        return;
    }
    // Disabled: the normal look, faded as a whole.
    const double scale = p.device()->devicePixelRatioF();
    QImage layer = newImage(static_cast<int>(std::ceil(c.rect.width())), static_cast<int>(std::ceil(c.rect.height())),
                            scale);
    QPainter lp;
    beginPainting(lp, layer);
    lp.translate(-c.rect.topLeft());
    drawEnabled(lp, c, ControlState::Normal);
    lp.end();
    p.save();
    p.setOpacity(style_.metric(QStringLiteral("disabledOpacity")) / 100.0);
    p.drawImage(c.rect.topLeft(), layer);
    p.restore();
}

void ControlPainter::drawBox(QPainter& p, const QRectF& r, ControlState s, double radius, const QColor& base) const
{
    const QColor fill = fillFor(base, s);
    QLinearGradient gradient(r.topLeft(), r.bottomLeft());
    gradient.setColorAt(0, mix(fill, Qt::white, 0.05));
    gradient.setColorAt(1, mix(fill, Qt::black, 0.08));
    const bool accented = s == ControlState::Hover || s == ControlState::Pressed;
    p.save();
    p.setPen(
        QPen(accented ? style_.color(QStringLiteral("accent")) : style_.color(QStringLiteral("controlBorder")), 1));
    p.setBrush(gradient);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    p.restore();
}

void ControlPainter::drawCaption(QPainter& p, const QRectF& r, const QString& caption, const QString& font,
                                 ControlState s, Qt::Alignment align) const
{
    if (caption.isEmpty())
        return;
    const QColor color = s == ControlState::Pressed ? QColor(Qt::white) : style_.color(QStringLiteral("caption"));
    const QRectF area = r.translated(0, s == ControlState::Pressed ? 1 : 0);
    const CaptionParts parts = splitCaption(caption);
    if (parts.glyph.isEmpty()) {
        drawFittedText(p, area.adjusted(4, 0, -4, 0), parts.text, style_.font(font), color, align);
        return;
    }
    const double glyphSize = std::min(area.height(), 18.0);
    if (parts.text.isEmpty()) {
        drawGlyph(p, parts.glyph, QRectF(area.center().x() - glyphSize / 2, area.center().y() - glyphSize / 2,
                                         glyphSize, glyphSize), color);
        return;
    }
    const QFont f = style_.font(font);
    const double textWidth = std::min(QFontMetricsF(f).horizontalAdvance(parts.text), area.width() - glyphSize - 12);
    const double total = glyphSize + 4 + textWidth;
    const double left = align & Qt::AlignLeft ? area.left() + 4 : area.center().x() - total / 2;
    drawGlyph(p, parts.glyph, QRectF(left, area.center().y() - glyphSize / 2, glyphSize, glyphSize), color);
    drawFittedText(p, QRectF(left + glyphSize + 4, area.top(), textWidth + 1, area.height()), parts.text, f, color,
                   Qt::AlignLeft | Qt::AlignVCenter);
}

void ControlPainter::drawEnabled(QPainter& p, const ControlArt& c, ControlState s) const
{
    const QRectF r = c.rect;
    const double radius = style_.metric(QStringLiteral("controlRadius"));
    const QString& look = c.look;
    if (look == QLatin1String("push") || look == QLatin1String("segment")) {
        drawBox(p, r, s, radius, style_.color(QStringLiteral("control")));
        drawCaption(p, r, c.caption,
                    look == QLatin1String("push") ? QStringLiteral("caption") : QStringLiteral("segment"), s,
                    Qt::AlignCenter);
    } else if (look == QLatin1String("dropdown")) {
        drawBox(p, r, s, radius, style_.color(QStringLiteral("field")));
        const double arrow = std::min(r.height(), 16.0);
        drawGlyph(p, QStringLiteral("down"), QRectF(r.right() - arrow - 3, r.center().y() - arrow / 2, arrow, arrow),
                  s == ControlState::Pressed ? QColor(Qt::white) : style_.color(QStringLiteral("accentGlow")));
        drawCaption(p, r.adjusted(2, 0, -arrow - 4, 0), c.caption, QStringLiteral("caption"), s,
                    Qt::AlignLeft | Qt::AlignVCenter);
    } else if (look == QLatin1String("tab")) {
        const QColor base = style_.color(QStringLiteral("tab"));
        p.save();
        QPainterPath path;
        path.addRoundedRect(r.adjusted(0.5, 0.5, -0.5, 4), radius + 1, radius + 1);
        p.setClipRect(r);
        p.setPen(s == ControlState::Hover ? QPen(style_.color(QStringLiteral("accent")), 1)
                                          : QPen(style_.color(QStringLiteral("tabBorder")), 1));
        p.setBrush(fillFor(base, s));
        p.drawPath(path);
        if (s == ControlState::Pressed)
            p.fillRect(QRectF(r.left() + 1, r.bottom() - 3, r.width() - 2, 3),
                       style_.color(QStringLiteral("accentGlow")));
        p.restore();
        drawCaption(p, r.adjusted(0, 0, 0, -2), c.caption, QStringLiteral("tab"), s, Qt::AlignCenter);
    } else if (look == QLatin1String("check") || look == QLatin1String("radio")) {
        drawCheck(p, c, s, look == QLatin1String("radio"));
    } else if (look == QLatin1String("icon")) {
        if (s != ControlState::Normal)
            drawBox(p, r, s, radius, style_.color(QStringLiteral("control")));
        const QColor color = s == ControlState::Pressed ? QColor(Qt::white) : style_.color(QStringLiteral("caption"));
        const CaptionParts parts = splitCaption(c.caption);
        const double size = std::min(r.width(), r.height());
        drawGlyph(p, parts.glyph,
                  QRectF(r.center().x() - size / 2, r.center().y() - size / 2 + (s == ControlState::Pressed ? 1 : 0),
                         size, size),
                  color);
    } else if (look.startsWith(QLatin1String("slot"))) {
        drawSlot(p, c, s);
    } else if (look == QLatin1String("marker")) {
        const QColor base = style_.color(QStringLiteral("control"));
        QColor fill = fillFor(base, s);
        if (s == ControlState::Pressed)
            fill = mix(base, style_.color(QStringLiteral("accent")), 0.7);
        p.save();
        p.setPen(QPen(s == ControlState::Normal ? style_.color(QStringLiteral("controlBorder"))
                                                : style_.color(QStringLiteral("accentGlow")),
                      1));
        p.setBrush(fill);
        p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
        p.restore();
        drawGlyph(p, QStringLiteral("monitor"), r.adjusted(2, 2, -2, -2),
                  s == ControlState::Pressed ? QColor(Qt::white) : style_.color(QStringLiteral("muted")));
    } else if (look == QLatin1String("name_field")) {
        const QColor base = style_.color(QStringLiteral("field"));
        p.save();
        const bool accented = s != ControlState::Normal;
        p.setPen(
            QPen(accented ? style_.color(QStringLiteral("accent")) : style_.color(QStringLiteral("controlBorder")), 1));
        p.setBrush(fillFor(base, s));
        p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
        p.restore();
        drawCaption(p, r, c.caption, QStringLiteral("caption"), s, Qt::AlignLeft | Qt::AlignVCenter);
    } else if (look == QLatin1String("swatch")) {
        drawSwatch(p, c, s);
    } else if (look == QLatin1String("link")) {
        if (s != ControlState::Normal)
            drawBox(p, r, s, 2, style_.color(QStringLiteral("control")));
        const bool on = s == ControlState::Pressed;
        drawGlyph(p, on ? QStringLiteral("link") : QStringLiteral("unlink"), r,
                  on ? QColor(Qt::white) : style_.color(QStringLiteral("muted")));
    } else if (look == QLatin1String("language_row")) {
        drawLanguageRow(p, c, s);
    }
}

void ControlPainter::drawCheck(QPainter& p, const ControlArt& c, ControlState s, bool round) const
{
    const QRectF r = c.rect;
    const double size = std::min(r.height() - 2, 13.0);
    const QRectF box = c.caption.isEmpty()
                           ? QRectF(r.center().x() - size / 2, r.center().y() - size / 2, size, size)
                           : QRectF(r.left() + 1, r.center().y() - size / 2, size, size);
    const QColor accent = style_.color(QStringLiteral("accent"));
    p.save();
    const bool on = s == ControlState::Pressed;
    p.setPen(QPen(s == ControlState::Normal ? style_.color(QStringLiteral("controlBorder")) : accent, 1));
    p.setBrush(on ? accent : fillFor(style_.color(QStringLiteral("field")), s));
    const QRectF b = box.adjusted(0.5, 0.5, -0.5, -0.5);
    if (round)
        p.drawEllipse(b);
    else
        p.drawRoundedRect(b, 2, 2);
    if (on) {
        if (round) {
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::white);
            p.drawEllipse(box.center(), size * 0.2, size * 0.2);
        } else {
            drawGlyph(p, QStringLiteral("tick"), box.adjusted(-1, -1, 1, 1), Qt::white);
        }
    }
    p.restore();
    if (!c.caption.isEmpty()) {
        const QColor color = on ? QColor(Qt::white)
                             : s == ControlState::Hover ? style_.color(QStringLiteral("caption"))
                                                        : style_.color(QStringLiteral("label"));
        drawFittedText(p, QRectF(box.right() + 5, r.top(), r.right() - box.right() - 5, r.height()), c.caption,
                       style_.font(QStringLiteral("check")), color, Qt::AlignLeft | Qt::AlignVCenter);
    }
}

void ControlPainter::drawSlot(QPainter& p, const ControlArt& c, ControlState s) const
{
    const QRectF r = c.rect;
    const QColor base = style_.color(QStringLiteral("slot"));
    const QColor accent = style_.color(QStringLiteral("accent"));
    p.save();
    if (c.look == QLatin1String("slot_unassigned")) {
        QPen pen(s == ControlState::Normal ? style_.color(QStringLiteral("controlBorder")) : accent, 1, Qt::DashLine);
        p.setPen(pen);
        p.setBrush(fillFor(style_.color(QStringLiteral("field")), s));
        p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
    } else {
        drawBox(p, r, s, 2, base);
        if (c.look == QLatin1String("slot_fixed")) {
            drawGlyph(p, QStringLiteral("lock"), QRectF(r.right() - r.height() - 2, r.top(), r.height(), r.height()),
                      style_.color(QStringLiteral("muted")));
        } else {
            p.fillRect(QRectF(r.left() + 1, r.top() + 3, 2, r.height() - 6),
                       s == ControlState::Pressed ? QColor(Qt::white) : style_.color(QStringLiteral("accentGlow")));
        }
    }
    p.restore();
}

void ControlPainter::drawSwatch(QPainter& p, const ControlArt& c, ControlState s) const
{
    const QRectF r = c.rect;
    p.save();
    p.setPen(QPen(s == ControlState::Normal ? style_.color(QStringLiteral("controlBorder"))
                                            : style_.color(QStringLiteral("accentGlow")),
                  s == ControlState::Pressed ? 2 : 1));
    p.setBrush(fillFor(style_.color(QStringLiteral("control")), s));
    const double inset = s == ControlState::Pressed ? 1 : 0.5;
    p.drawRoundedRect(r.adjusted(inset, inset, -inset, -inset), 3, 3);
    // The well under the colour square the swatch paints at (3,3)-(19,19).
    p.setPen(Qt::NoPen);
    p.setBrush(style_.color(QStringLiteral("well")));
    p.drawPath(cutCornerSquare(QRectF(r.left() + 3, r.top() + 3, 16, 16).adjusted(-1, -1, 1, 1)));
    if (s == ControlState::Pressed) {
        p.setPen(QPen(Qt::white, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(r.adjusted(2.5, 2.5, -2.5, -2.5), 2, 2);
    }
    p.restore();
}

void ControlPainter::drawLanguageRow(QPainter& p, const ControlArt& c, ControlState s) const
{
    const QRectF r = c.rect;
    if (s != ControlState::Normal) {
        p.save();
        p.setPen(QPen(style_.color(QStringLiteral("accent")), 1));
        p.setBrush(fillFor(style_.color(QStringLiteral("control")), s));
        p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
        p.restore();
    }
    const QRectF flag(r.left() + 1, r.center().y() - 5.5, 18, 11);
    drawFlag(p, c.language, flag);
    const QColor color = s == ControlState::Pressed ? QColor(Qt::white) : style_.color(QStringLiteral("caption"));
    drawFittedText(p, QRectF(flag.right() + 4, r.top(), r.right() - flag.right() - 5, r.height()), c.caption,
                   style_.font(QStringLiteral("row")), color, Qt::AlignLeft | Qt::AlignVCenter, 8);
}

void ControlPainter::drawTrack(QPainter& p, const QRectF& r, bool disabled) const
{
    p.save();
    if (disabled)
        p.setOpacity(style_.metric(QStringLiteral("disabledOpacity")) / 100.0);
    const double groove = std::min(r.height(), std::max(3.0, std::round(r.height() * 0.24)));
    const QRectF g(r.left() + 0.5, r.center().y() - groove / 2, r.width() - 1, groove);
    QLinearGradient fill(g.topLeft(), g.topRight());
    fill.setColorAt(0, mix(style_.color(QStringLiteral("well")), style_.color(QStringLiteral("accent")), 0.35));
    fill.setColorAt(1, mix(style_.color(QStringLiteral("well")), style_.color(QStringLiteral("accentGlow")), 0.6));
    p.setPen(QPen(style_.color(QStringLiteral("controlBorder")), r.height() >= 8 ? 1 : 0));
    if (r.height() < 8)
        p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(g, groove / 2, groove / 2);
    // Ticks at the ends and in the middle, where the track is tall enough.
    if (r.height() >= 18) {
        p.setPen(QPen(style_.color(QStringLiteral("muted")), 1));
        for (double t : {0.0, 0.5, 1.0}) {
            const double x = std::clamp(r.left() + 1.5 + t * (r.width() - 3), r.left() + 1.5, r.right() - 1.5);
            p.drawLine(QPointF(x, g.bottom() + 3), QPointF(x, std::min(r.bottom() - 1, g.bottom() + 6)));
        }
    }
    p.restore();
}

void ControlPainter::drawThumb(QPainter& p, const QRectF& r, bool disabled) const
{
    p.save();
    if (disabled)
        p.setOpacity(style_.metric(QStringLiteral("disabledOpacity")) / 100.0);
    const QColor glow = style_.color(QStringLiteral("accentGlow"));
    const QColor accent = style_.color(QStringLiteral("accent"));
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    fill.setColorAt(0, mix(glow, Qt::white, 0.25));
    fill.setColorAt(1, accent);
    const double radius = std::min(3.0, r.width() / 3);
    if (r.height() < 8) {
        p.setPen(Qt::NoPen);
        p.setBrush(fill);
        p.drawRoundedRect(r, 1, 1);
    } else {
        p.setPen(QPen(mix(accent, Qt::black, 0.45), 1));
        p.setBrush(fill);
        p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
        p.setPen(QPen(mix(accent, Qt::black, 0.3), 1));
        const double x = r.center().x();
        p.drawLine(QPointF(x, r.top() + r.height() * 0.3), QPointF(x, r.bottom() - r.height() * 0.3));
    }
    p.restore();
}

void ControlPainter::drawSpinButton(QPainter& p, const QRectF& r, bool up, ControlState s) const
{
    if (s == ControlState::Disabled) {
        p.save();
        p.setOpacity(style_.metric(QStringLiteral("disabledOpacity")) / 100.0);
        drawSpinButton(p, r, up, ControlState::Normal);
        p.restore();
        return;
    }
    const QColor fill = fillFor(style_.color(QStringLiteral("control")), s);
    p.save();
    p.fillRect(r, fill);
    if (s != ControlState::Normal) {
        p.setPen(QPen(style_.color(QStringLiteral("accent")), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
    }
    const QPointF c = r.center() + QPointF(0, s == ControlState::Pressed ? 0.5 : 0);
    const double w = 3.5, h = 2.2;
    QPolygonF arrow = up ? QPolygonF({c + QPointF(-w, h / 2 + 0.5), c + QPointF(w, h / 2 + 0.5), c + QPointF(0, -h)})
                         : QPolygonF({c + QPointF(-w, -h / 2 - 0.5), c + QPointF(w, -h / 2 - 0.5), c + QPointF(0, h)});
    p.setPen(Qt::NoPen);
    p.setBrush(s == ControlState::Pressed ? QColor(Qt::white) : style_.color(QStringLiteral("caption")));
    p.drawPolygon(arrow);
    p.restore();
}

}  // namespace artgen
