#include "option/artwork/HoverPictures.h"

#include "option/artwork/Paint.h"
#include "option/layout/ButtonPageLayout.h"

#include <optional>

namespace artgen {
namespace {

namespace page = option::layout::button_page;

// Where the page's two mouse drawings stand, and their shape's proportions.
constexpr QRectF kNormalMouse(215, 28, 140, 122);
constexpr QRectF kShiftMouse(610, 28, 140, 122);
constexpr double kMouseAspect = 0.62;

// The part of the mouse each slot of a layer stands for, in the drawing's unit
// square (as drawMouse lays the body out); nullopt for slots without a button.
std::optional<QRectF> buttonArea(int slot)
{
    switch (slot) {
    case 0: return QRectF(0.14, 0.05, 0.34, 0.32);   // left button
    case 1: return QRectF(0.52, 0.05, 0.34, 0.32);   // right button
    case 2: return QRectF(0.45, 0.10, 0.10, 0.17);   // wheel press
    case 3: return QRectF(0.07, 0.42, 0.11, 0.11);   // front thumb button
    case 4: return QRectF(0.08, 0.53, 0.11, 0.11);   // rear thumb button
    case 5: return QRectF(0.40, 0.12, 0.05, 0.13);   // wheel tilted left
    case 6: return QRectF(0.55, 0.12, 0.05, 0.13);   // wheel tilted right
    case 7: return QRectF(0.45, 0.08, 0.10, 0.08);   // wheel up
    case 8: return QRectF(0.45, 0.21, 0.10, 0.08);   // wheel down
    case 9: return QRectF(0.46, 0.29, 0.08, 0.04);   // resolution up
    case 10: return QRectF(0.46, 0.34, 0.08, 0.04);  // resolution down
    default: return std::nullopt;
    }
}

// The drawing's body box, as drawMouse fits it into `figure`.
QRectF mouseBox(const QRectF& figure)
{
    const double height = std::min(figure.height(), figure.width() / kMouseAspect);
    const double width = height * kMouseAspect;
    return {figure.center().x() - width / 2, figure.center().y() - height / 2, width, height};
}

QRectF onMouse(const QRectF& box, const QRectF& unit)
{
    return {box.left() + unit.left() * box.width(), box.top() + unit.top() * box.height(),
            unit.width() * box.width(), unit.height() * box.height()};
}

}  // namespace

bool drawHoverPicture(QPainter& p, int index, const QRectF& area, const Style& style)
{
    if (index < 0 || index >= 60)
        return false;
    const bool shiftLayer = index >= page::kNormalHoverPictures;
    const QRectF figure = (shiftLayer ? kShiftMouse : kNormalMouse).translated(-area.topLeft());
    const QRectF box = mouseBox(figure);
    const QColor glow = style.color(QStringLiteral("accentGlow"));
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    if (shiftLayer) {
        // Which of slots 3 and 4 hold the Dualkey key: ring them as held down.
        const int set = (index - page::kNormalHoverPictures) / page::kNormalHoverPictures;
        const bool onThree = set == 0 || set == 2;
        const bool onFour = set == 1 || set == 2;
        QColor held = style.color(QStringLiteral("accent"));
        p.setPen(QPen(held, 1.5));
        p.setBrush(Qt::NoBrush);
        for (const auto& [holds, slot] : {std::pair{onThree, 3}, std::pair{onFour, 4}})
            if (holds)
                p.drawEllipse(onMouse(box, *buttonArea(slot)).adjusted(-3, -3, 3, 3));
    }
    if (const std::optional<QRectF> lit = buttonArea(index % page::kNormalHoverPictures)) {
        QColor halo = glow;
        halo.setAlphaF(0.35);
        const QRectF spot = onMouse(box, *lit);
        p.setPen(Qt::NoPen);
        p.setBrush(halo);
        p.drawRoundedRect(spot.adjusted(-3, -3, 3, 3), 4, 4);
        QColor core = glow;
        core.setAlphaF(0.7);  // the button's seams stay visible under the light
        p.setBrush(core);
        p.drawRoundedRect(spot, 2, 2);
    }
    p.restore();
    return true;
}

}  // namespace artgen
