#include "option/skin/SkinMenu.h"

#include <QCoreApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QProxyStyle>
#include <QStyleOption>

#include "option/skin/SkinImages.h"
#include "option/skin/logic/MenuMetrics.h"

namespace option::skin {
namespace {

const QColor kItemText(255, 255, 255);
const QColor kItemBackground(0, 0, 0);
const QColor kSelectedBackground(53, 160, 222);
const QColor kAccent(53, 160, 222);
const QColor kCurrentItemText(68, 191, 255);
const QColor kDisabledItemText(110, 110, 110);

constexpr char kCurrentProperty[] = "skinMenuCurrent";
constexpr char kTrademarkProperty[] = "skinMenuTrademark";

// Gives QMenu the skin's item sizes and frame width, so that it lays the items
// out where paintEvent draws them.
class MenuMetricsStyle : public QProxyStyle {
public:
    explicit MenuMetricsStyle(const SkinMenu* menu) : menu_(menu) {}

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        switch (metric) {
        case PM_MenuPanelWidth: return kMenuFrameWidth;
        case PM_MenuHMargin:
        case PM_MenuVMargin:
        case PM_MenuDesktopFrameWidth:
        case PM_SubMenuOverlap: return 0;
        default: return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contents,
                           const QWidget* widget) const override
    {
        if (type == CT_Menu) return contents;
        if (type != CT_MenuItem) return QProxyStyle::sizeFromContents(type, option, contents, widget);
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        const bool separator = item && item->menuItemType == QStyleOptionMenuItem::Separator;
        return QSize(menu_->itemWidth(), menuItemHeight(separator, menu_->font().pixelSize()));
    }

private:
    const SkinMenu* menu_;
};

QImage& arrowPicture()
{
    static QImage picture = loadCommonPicture(QStringLiteral("menu_arrow"));
    return picture;
}

}  // namespace

SkinMenu::SkinMenu(QWidget* parent, const QFont& font) : QMenu(parent)
{
    auto* style = new MenuMetricsStyle(this);
    style->setParent(this);
    setStyle(style);
    setFont(font);
}

void SkinMenu::setItemWidth(int width)
{
    itemWidth_ = std::max(1, width);
    // QMenu keeps its item rectangles until its style or font changes.
    QEvent refresh(QEvent::StyleChange);
    QCoreApplication::sendEvent(this, &refresh);
    update();
}

QAction* SkinMenu::appendItem(int commandId, const QString& text, bool current, bool trademark)
{
    QAction* action = addAction(text);
    action->setData(commandId);
    action->setProperty(kCurrentProperty, current);
    action->setProperty(kTrademarkProperty, trademark);
    return action;
}

SkinMenu* SkinMenu::appendSubmenu(const QString& text, bool current, bool trademark)
{
    auto* submenu = new SkinMenu(this, font());
    submenu->setItemWidth(itemWidth_);
    submenu->setTitle(text);
    QAction* action = addMenu(submenu);
    action->setData(0);
    action->setProperty(kCurrentProperty, current);
    action->setProperty(kTrademarkProperty, trademark);
    return submenu;
}

QAction* SkinMenu::appendSeparator()
{
    QAction* action = addSeparator();
    action->setData(0);
    return action;
}

int SkinMenu::track(const QPoint& screenPos)
{
    return commandOf(exec(screenPos));
}

int SkinMenu::commandOf(const QAction* action)
{
    return action ? action->data().toInt() : 0;
}

bool SkinMenu::isCurrentItem(const QAction* action)
{
    return action && action->property(kCurrentProperty).toBool();
}

bool SkinMenu::hasTrademark(const QAction* action)
{
    return action && action->property(kTrademarkProperty).toBool();
}

void SkinMenu::setArrowPicture(const QImage& picture)
{
    arrowPicture() = picture;
}

void SkinMenu::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(rect(), kItemBackground);
    for (const QAction* action : actions()) {
        if (!action->isVisible()) continue;
        const QRect itemRect = actionGeometry(const_cast<QAction*>(action));
        if (itemRect.intersects(event->rect())) paintItem(painter, action, itemRect);
    }
    paintFrame(painter);
}

void SkinMenu::paintItem(QPainter& painter, const QAction* action, const QRect& rect) const
{
    if (action->isSeparator()) {
        const int middle = rect.top() + rect.height() / 2;
        painter.setPen(kAccent);
        painter.drawLine(rect.left(), middle, rect.right(), middle);
        return;
    }
    painter.fillRect(rect, action == activeAction() ? kSelectedBackground : kItemBackground);
    const QColor textColour = !action->isEnabled() ? kDisabledItemText
                              : isCurrentItem(action) ? kCurrentItemText
                                                      : kItemText;
    painter.setPen(textColour);
    painter.setFont(font());
    const QFontMetrics metrics(font());
    const QRect textRect = rect.adjusted(kMenuTextLeft, 0, 0, 0);
    const QString text = action->text();
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);

    if (hasTrademark(action)) {
        const QFont markFont = menuTrademarkFont();
        const QFontMetrics markMetrics(markFont);
        const int capTop = rect.top() + (rect.height() - metrics.height()) / 2 + metrics.ascent() - metrics.capHeight();
        painter.setFont(markFont);
        painter.drawText(QPoint(textRect.left() + metrics.horizontalAdvance(text) + 1, capTop + markMetrics.capHeight()),
                         QStringLiteral("TM"));
    }

    if (action->menu()) {
        const QImage& arrow = arrowPicture();
        const int left = rect.right() + 1 - kMenuArrowFromRight;
        if (!arrow.isNull()) {
            painter.drawImage(QPoint(left, rect.top() + (rect.height() - arrow.height()) / 2), arrow);
        } else {
            // Without its picture the arrow is still drawn, as a plain triangle.
            const int middle = rect.top() + rect.height() / 2;
            QPainterPath triangle;
            triangle.moveTo(left + 5, middle - 4);
            triangle.lineTo(left + 9, middle);
            triangle.lineTo(left + 5, middle + 4);
            triangle.closeSubpath();
            painter.fillPath(triangle, textColour);
        }
    }
}

void SkinMenu::paintFrame(QPainter& painter) const
{
    painter.setBrush(Qt::NoBrush);
    const QRect outer = rect().adjusted(0, 0, -1, -1);
    painter.setPen(kAccent);
    painter.drawRect(outer);
    painter.setPen(kItemBackground);
    painter.drawRect(outer.adjusted(1, 1, -1, -1));
    painter.drawRect(outer.adjusted(2, 2, -2, -2));
}

}  // namespace option::skin
