#pragma once
// Controls of a skinned page or panel made from the rows of its layout table:
// buttons cut from the window's state images, sliders and spins with the
// window's own pictures, and the rows found by name.
#include <QRect>
#include <QString>

#include <string_view>

#include "option/app/LayoutRows.h"
#include "option/core/TextIds.h"
#include "option/core/TextLibrary.h"
#include "option/layout/ControlLayout.h"
#include "option/skin/SkinWindow.h"

namespace option::skin {
class ColorSwatchButton;
class NumberSpin;
class SkinButton;
class SkinSlider;
}  // namespace option::skin

namespace option::app {

// The row's status text ("" for most rows of the pages).
QString statusTextOfRow(const layout::ControlLayout& row);

// A text of the language table ("" when the table lacks it).
QString pageText(const core::TextLibrary& texts, core::TextId id);

class PageControls {
public:
    PageControls(skin::SkinWindow& window, const layout::WindowDescription& description)
        : window_(window), description_(description) {}

    const layout::ControlLayout& row(std::string_view name, int occurrence = 0) const
    {
        return layoutRow(description_.controls, name, occurrence);
    }

    // A push button (or a checkable one: check boxes and switches) of the row.
    skin::SkinButton* button(const layout::ControlLayout& row, int controlId, bool checkable = false) const;
    skin::ColorSwatchButton* swatch(const layout::ControlLayout& row, int controlId) const;
    // The slider of the row with the window's "<picture>_track.png" and
    // "<picture>_thumb.png", rounding to whole steps.
    skin::SkinSlider* slider(const layout::ControlLayout& row, int controlId, int minimum, int maximum,
                             QObject* owner) const;
    // The spin of the row with the window's arrow pictures.
    skin::NumberSpin* spin(const layout::ControlLayout& row, int controlId, int minimum, int maximum, int step,
                           QObject* owner) const;

private:
    QString art() const;

    skin::SkinWindow& window_;
    const layout::WindowDescription& description_;
};

}  // namespace option::app
