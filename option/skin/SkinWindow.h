#pragma once
// The base of every skinned window, page and dialog: it paints its background
// picture, holds the four page-sized state images its buttons cut their faces
// from, takes the shape of its background, and moves its top-level window when
// the user drags it by the background.
//
// Without a parent (or with Qt::Window in flags) it is a frameless top-level
// window; with one it is a page inside its parent.

#include <QImage>
#include <QPixmap>
#include <QPoint>
#include <QWidget>

#include "option/skin/SkinImages.h"
#include "option/skin/WindowShape.h"

namespace option::skin {

class SkinWindow : public QWidget {
    Q_OBJECT
public:
    explicit SkinWindow(QWidget* parent = nullptr, Qt::WindowFlags flags = {});

    // Loads skin/<window>/background.png and the four state images and applies
    // them as setSkin does. False when the background is missing.
    bool loadSkin(const QString& window, ShapeMethod shape);
    // The window takes the state images' size (the background's when there are
    // none) and the shape `shape` gives its background.
    void setSkin(const QImage& background, const StateImages& stateImages, ShapeMethod shape);

    const QImage& background() const { return background_; }
    const StateImages& stateImages() const { return stateImages_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage background_;
    QPixmap backgroundPixmap_;
    StateImages stateImages_;
    // Set while the window is moved by hand because the window system would not
    // move it: the pointer's offset from the window's top-left corner.
    bool movingByHand_ = false;
    QPoint grabOffset_;
};

}  // namespace option::skin
