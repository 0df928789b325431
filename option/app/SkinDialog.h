#pragma once
// A small modal skinned dialog: a frameless dialog shaped by its background,
// whose surface (a SkinWindow) carries the background, the state images the
// buttons are cut from, and the controls placed by the window's layout table.
#include <QDialog>

#include <functional>
#include <string_view>

#include "option/layout/ControlLayout.h"
#include "option/skin/SkinButton.h"
#include "option/skin/SkinWindow.h"

namespace option::skin {
class BitmapEdit;
class NumberSpin;
}

namespace option::app {

class SkinDialog : public QDialog {
    Q_OBJECT
public:
    SkinDialog(QWidget* parent, const layout::WindowDescription& window);

    skin::SkinWindow* surface() const { return surface_; }
    // The row of the window's table whose layout string starts with `name`
    // followed by a comma; its `occurrence`-th one when several share the name
    // (a row of no place when there is none).
    const layout::ControlLayout& row(std::string_view name, int occurrence = 0) const;

protected:
    // A button of the table, cut from the state images; clicking it calls `onClick`.
    skin::SkinButton* addButton(const layout::ControlLayout& row, std::function<void()> onClick);
    skin::BitmapEdit* addEdit(const layout::ControlLayout& row, int maxLength);
    // A numeric box with its arrows (the window's spin_up and spin_down pictures)
    // for `minimum`-`maximum`, showing `value`.
    skin::NumberSpin* addSpin(const layout::ControlLayout& row, int minimum, int maximum, int value);
    // The art folder of the window, as the skin loads it.
    QString art() const;
    // The rectangle of a row.
    static QRect rectOf(const layout::ControlLayout& row);

private:
    const layout::WindowDescription& window_;
    skin::SkinWindow* surface_;
};

}  // namespace option::app
