#pragma once
// A SkinButton that shows a colour as a 16x16 square with cut corners over its
// face (the lighting page's colour choices).

#include <QColor>

#include <cstdint>

#include "option/skin/SkinButton.h"

namespace option::skin {

class ColorSwatchButton : public SkinButton {
    Q_OBJECT
public:
    using SkinButton::SkinButton;

    void setColour(const QColor& colour);
    // A COLORREF: 0x00BBGGRR.
    void setColorRef(std::uint32_t colorRef);
    QColor colour() const { return colour_; }

    // The area the colour fills, in button coordinates.
    static QRegion swatchArea();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor colour_ = Qt::black;
};

}  // namespace option::skin
