#include "option/skin/SkinWindow.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

namespace option::skin {

SkinWindow::SkinWindow(QWidget* parent, Qt::WindowFlags flags)
    : QWidget(parent, (parent == nullptr || (flags & Qt::Window)) ? flags | Qt::FramelessWindowHint : flags)
{
    // The background covers the whole window: nothing needs erasing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

bool SkinWindow::loadSkin(const QString& window, ShapeMethod shape)
{
    const QImage background = loadWindowBackground(window);
    setSkin(background, loadWindowStateImages(window), shape);
    return !background.isNull();
}

void SkinWindow::setSkin(const QImage& background, const StateImages& stateImages, ShapeMethod shape)
{
    background_ = background;
    backgroundPixmap_ = QPixmap::fromImage(background);
    stateImages_ = stateImages;
    const QSize size = stateImages.normal.isNull() ? background.size() : stateImages.normal.size();
    if (!size.isEmpty()) setFixedSize(size);
    if (shape == ShapeMethod::Rectangle || background.isNull())
        clearMask();
    else
        setMask(windowShape(background, shape));
    update();
}

void SkinWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (backgroundPixmap_.isNull() || backgroundPixmap_.size() != size())
        painter.fillRect(rect(), Qt::black);
    if (!backgroundPixmap_.isNull()) painter.drawPixmap(0, 0, backgroundPixmap_);
}

// A press on the background moves the whole top-level window: the window
// system does the move when it can; otherwise the window follows the pointer
// until the button is released.
void SkinWindow::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    QWidget* top = window();
    QWindow* handle = top->windowHandle();
    if (handle && handle->startSystemMove()) {
        event->accept();
        return;
    }
    movingByHand_ = true;
    grabOffset_ = event->globalPosition().toPoint() - top->pos();
    event->accept();
}

void SkinWindow::mouseMoveEvent(QMouseEvent* event)
{
    if (!movingByHand_) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    window()->move(event->globalPosition().toPoint() - grabOffset_);
    event->accept();
}

void SkinWindow::mouseReleaseEvent(QMouseEvent* event)
{
    if (movingByHand_ && event->button() == Qt::LeftButton) {
        movingByHand_ = false;
        event->accept();
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

}  // namespace option::skin
