#pragma once
// A horizontal slider drawn from a track picture and a thumb picture.
//
// The track sits at the top-left of the rectangle it is given, at its own
// picture's size (the rectangle's size when there is no picture); the thumb
// slides along it, vertically centred on it, and the widget grows above and
// below the track when the thumb is taller.
//
// Dragging the thumb posts kSliderValueMessage (wParam = value via wParamOfInt,
// lParam = control id) to the owner whenever the value changes, and once more
// when it is let go (rounded to the nearest value and snapped there with
// rounding on, else truncated). A click on the track moves the thumb there and
// posts the value. setValue places the thumb without posting. The mouse
// entering sets the application's status text to the slider's.

#include <QImage>
#include <QPointer>
#include <QWidget>

#include "option/skin/logic/SliderModel.h"

namespace option::skin {

class SkinSlider : public QWidget {
    Q_OBJECT
public:
    // The owner receives the value messages; the parent when owner is null.
    SkinSlider(QWidget* parent, const QRect& rect, const QImage& track, const QImage& thumb, int controlId,
               QObject* owner = nullptr);

    // Cuts the thumb's pixels of its top-left colour away (thumbs that are not
    // rectangles).
    void setThumbShapeFromCornerKey(bool shaped);
    void setRange(int minimum, int maximum);
    void setValue(int value);
    void setRounding(bool rounding);
    int value() const { return model_.value(); }
    const SliderModel& model() const { return model_; }
    int controlId() const { return controlId_; }
    void setStatusText(const QString& text);
    QString statusText() const { return statusText_; }

    // The thumb's rectangle in the widget.
    QRect thumbRect() const;
    // The track's rectangle in the widget.
    QRect trackRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;

private:
    void post(int value);
    QImage shapedThumb() const;

    int controlId_;
    QPointer<QObject> owner_;
    QImage track_;
    QImage thumb_;
    QImage shownThumb_;
    QSize trackSize_;
    int trackTop_ = 0;
    SliderModel model_;
    QString statusText_;
    bool dragging_ = false;
    int grabOffset_ = 0;  // the pointer's distance from the thumb's left edge
};

}  // namespace option::skin
