#pragma once
// The lighting page's colour-spectrum picker: the spectrum picture with a
// marker over the picked point. A press on the spectrum (or just beside it) and
// moves with the button held pick the colour of the spectrum picture itself
// under the point; white picks nothing. Picks are reported by picked().
#include <QImage>
#include <QWidget>

#include "option/core/SpectrumPicker.h"

namespace option::app {

class SpectrumPickerView final : public QWidget {
    Q_OBJECT
public:
    // `rect` is the picker window's; the spectrum lies inside it at
    // (core::kSpectrumLeft, core::kSpectrumTop).
    SpectrumPickerView(QWidget* parent, const QRect& rect, const QImage& spectrum);

    void setStatusText(const QString& text) { statusText_ = text; }
    // The spectrum's colour at a point of the picker (clamped onto it).
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
    void take(const std::optional<core::SpectrumPick>& pick);

    QImage spectrum_;
    core::SpectrumPicker picker_;
    std::optional<core::PickerPoint> marker_;
    QString statusText_;
};

}  // namespace option::app
