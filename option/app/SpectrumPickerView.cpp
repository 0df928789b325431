#include "option/app/SpectrumPickerView.h"

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

SpectrumPickerView::SpectrumPickerView(QWidget* parent, const QRect& rect, const QImage& spectrum)
    : QWidget(parent), spectrum_(spectrum)
{
    setGeometry(rect);
    setCursor(Qt::CrossCursor);
}

core::Rgb SpectrumPickerView::colourAt(core::PickerPoint point) const
{
    if (spectrum_.isNull())
        return {255, 255, 255};
    // The picture may be drawn at a higher pixel density than the window.
    const double scaleX = static_cast<double>(spectrum_.width()) / core::kSpectrumWidth;
    const double scaleY = static_cast<double>(spectrum_.height()) / core::kSpectrumHeight;
    const int x = std::clamp(static_cast<int>((point.x - core::kSpectrumLeft) * scaleX), 0, spectrum_.width() - 1);
    const int y = std::clamp(static_cast<int>((point.y - core::kSpectrumTop) * scaleY), 0, spectrum_.height() - 1);
    const QRgb pixel = spectrum_.pixel(x, y);
    return {static_cast<std::uint8_t>(qRed(pixel)), static_cast<std::uint8_t>(qGreen(pixel)),
            static_cast<std::uint8_t>(qBlue(pixel))};
}

void SpectrumPickerView::take(const std::optional<core::SpectrumPick>& pick)
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

void SpectrumPickerView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        take(picker_.press(pointOf(event)));
}

void SpectrumPickerView::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton)
        take(picker_.move(pointOf(event)));
}

void SpectrumPickerView::mouseReleaseEvent(QMouseEvent*)
{
    picker_.release();
}

void SpectrumPickerView::enterEvent(QEnterEvent* event)
{
    QWidget::enterEvent(event);
    skin::ApplicationStatus::enter(statusText_);
}

void SpectrumPickerView::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    skin::ApplicationStatus::leave();
}

void SpectrumPickerView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(QRect(core::kSpectrumLeft, core::kSpectrumTop, core::kSpectrumWidth, core::kSpectrumHeight),
                      spectrum_);
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
