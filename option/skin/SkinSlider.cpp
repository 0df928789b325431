#include "option/skin/SkinSlider.h"

#include <QMouseEvent>
#include <QPainter>

#include "option/skin/ApplicationStatus.h"
#include "option/skin/SkinMessageEvent.h"

namespace option::skin {
namespace {

constexpr qreal kDisabledOpacity = 0.4;

}  // namespace

SkinSlider::SkinSlider(QWidget* parent, const QRect& rect, const QImage& track, const QImage& thumb, int controlId,
                       QObject* owner)
    : QWidget(parent),
      controlId_(controlId),
      owner_(owner ? owner : parent),
      track_(track),
      thumb_(thumb),
      shownThumb_(thumb),
      trackSize_(track.isNull() ? rect.size() : track.size())
{
    const int height = std::max(trackSize_.height(), thumb_.height());
    trackTop_ = (height - trackSize_.height()) / 2;
    setGeometry(rect.left(), rect.top() - trackTop_, trackSize_.width(), height);
    model_.setGeometry(trackSize_.width(), thumb_.width());
}

void SkinSlider::setThumbShapeFromCornerKey(bool shaped)
{
    shownThumb_ = shaped ? shapedThumb() : thumb_;
    update();
}

QImage SkinSlider::shapedThumb() const
{
    if (thumb_.isNull()) return thumb_;
    QImage shaped = thumb_.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = shaped.pixel(0, 0);
    for (int y = 0; y < shaped.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(shaped.scanLine(y));
        for (int x = 0; x < shaped.width(); ++x)
            if (line[x] == key) line[x] = 0;
    }
    return shaped;
}

void SkinSlider::setRange(int minimum, int maximum)
{
    model_.setRange(minimum, maximum);
    update();
}

void SkinSlider::setValue(int value)
{
    model_.setValue(value);
    update();
}

void SkinSlider::setRounding(bool rounding)
{
    model_.setRounding(rounding);
}

void SkinSlider::setStatusText(const QString& text)
{
    statusText_ = text;
    setAccessibleDescription(text);
}

QRect SkinSlider::trackRect() const
{
    return QRect(QPoint(0, trackTop_), trackSize_);
}

QRect SkinSlider::thumbRect() const
{
    return QRect(model_.thumbOffset(), (height() - thumb_.height()) / 2, thumb_.width(), thumb_.height());
}

void SkinSlider::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!isEnabled()) painter.setOpacity(kDisabledOpacity);
    if (!track_.isNull()) painter.drawImage(trackRect().topLeft(), track_);
    if (!shownThumb_.isNull()) painter.drawImage(thumbRect().topLeft(), shownThumb_);
}

void SkinSlider::post(int value)
{
    postSkinMessage(owner_.data(), kSliderValueMessage, wParamOfInt(value), controlId_);
}

void SkinSlider::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const QPoint at = event->position().toPoint();
    if (thumbRect().contains(at)) {
        dragging_ = true;
        grabOffset_ = at.x() - model_.thumbOffset();
    } else {
        post(model_.clickAt(at.x()));
        update();
    }
    event->accept();
}

void SkinSlider::mouseMoveEvent(QMouseEvent* event)
{
    if (!dragging_) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    const int before = model_.value();
    const int value = model_.dragTo(event->position().toPoint().x() - grabOffset_);
    if (value != before) post(value);
    update();
}

void SkinSlider::mouseReleaseEvent(QMouseEvent* event)
{
    if (!dragging_ || event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    dragging_ = false;
    post(model_.releaseAt(event->position().toPoint().x() - grabOffset_));
    update();
}

void SkinSlider::enterEvent(QEnterEvent* event)
{
    QWidget::enterEvent(event);
    if (statusText_ != ApplicationStatus::text()) ApplicationStatus::enter(statusText_);
}

}  // namespace option::skin
