#include "option/app/HueBarPickerView.h"

#include <QMouseEvent>
#include <QPainter>

#include "option/skin/ApplicationStatus.h"

namespace option::app {
namespace {

core::PickerPoint pointOf(const QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    return {at.x(), at.y()};
}

}  // namespace

HueBarPickerView::HueBarPickerView(QWidget* parent, const QRect& rect, const QImage& hueBar)
    : QWidget(parent), hueBar_(hueBar)
{
    setGeometry(rect);
    setCursor(Qt::CrossCursor);
}

core::Rgb HueBarPickerView::colourAt(core::PickerPoint point) const
{
    if (hueBar_.isNull())
        return {255, 255, 255};
    // The picture may be drawn at a higher pixel density than the window.
    const double scaleX = static_cast<double>(hueBar_.width()) / core::kHueBarWidth;
    const double scaleY = static_cast<double>(hueBar_.height()) / core::kHueBarHeight;
    const int x = std::clamp(static_cast<int>((point.x - core::kHueBarLeft) * scaleX), 0, hueBar_.width() - 1);
    const int y = std::clamp(static_cast<int>((point.y - core::kHueBarTop) * scaleY), 0, hueBar_.height() - 1);
    const QRgb pixel = hueBar_.pixel(x, y);
    return {static_cast<std::uint8_t>(qRed(pixel)), static_cast<std::uint8_t>(qGreen(pixel)),
            static_cast<std::uint8_t>(qBlue(pixel))};
}

void HueBarPickerView::take(const std::optional<core::HueBarPick>& pick)
{
    if (!pick)
        return;
    const core::Rgb colour = colourAt(pick->point);
    if (!core::takesPickedColor(colour))
        return;
    marker_ = pick->marker;
    update();
    emit picked(colour);
}

void HueBarPickerView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        take(picker_.press(pointOf(event)));
}

void HueBarPickerView::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton)
        take(picker_.move(pointOf(event)));
}

void HueBarPickerView::mouseReleaseEvent(QMouseEvent*)
{
    picker_.release();
}

void HueBarPickerView::enterEvent(QEnterEvent* event)
{
    QWidget::enterEvent(event);
    skin::ApplicationStatus::enter(statusText_);
}

void HueBarPickerView::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    skin::ApplicationStatus::leave();
}

void HueBarPickerView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(QRect(core::kHueBarLeft, core::kHueBarTop, core::kHueBarWidth, core::kHueBarHeight),
                      hueBar_);
    if (!marker_)
        return;
    // A ring, dark outside and light inside, readable on every colour.
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF ring(marker_->x + 1.5, marker_->y + 1.5, core::kPickerMarkerSize - 3, core::kPickerMarkerSize - 3);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(20, 20, 20), 2));
    painter.drawEllipse(ring);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawEllipse(ring.adjusted(1.5, 1.5, -1.5, -1.5));
}

}  // namespace option::app
