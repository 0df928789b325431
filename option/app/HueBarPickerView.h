#pragma once
// The lighting page's hue-bar picker: the hue bar picture with a
// marker over the picked point. A press on the hue bar (or just beside it) and
// moves with the button held pick the colour of the hue bar picture itself
// under the point; white picks nothing. Picks are reported by picked().
#include <QImage>
#include <QWidget>

#include "option/core/HueBarPicker.h"

namespace option::app {

class HueBarPickerView final : public QWidget {
    Q_OBJECT
public:
    // `rect` is the picker window's; the hue bar lies inside it at
    // (core::kHueBarLeft, core::kHueBarTop).
    HueBarPickerView(QWidget* parent, const QRect& rect, const QImage& hueBar);

    void setStatusText(const QString& text) { statusText_ = text; }
    // The hue bar's colour at a point of the picker (clamped onto it).
    core::Rgb colourAt(core::PickerPoint point) const;

signals:
    void picked(core::Rgb colour);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void take(const std::optional<core::HueBarPick>& pick);

    QImage hueBar_;
    core::HueBarPicker picker_;
    std::optional<core::PickerPoint> marker_;
    QString statusText_;
};

}  // namespace option::app
