#pragma once
// One CPI level row of the main settings page: select button, enable box, X and
// Y sliders (hundreds) with their spins (counts per inch) and the X/Y link box.
// What the user does is posted to the owner as kCpiRowMessage; the owner applies
// it to the profile and shows the row again from the profile with show().
#include "option/core/CpiLevelRows.h"
#include "option/skin/SkinWindow.h"
#include "option/skin/logic/SkinMessages.h"

namespace option::skin {
class NumberSpin;
class SkinButton;
class SkinSlider;
}  // namespace option::skin

namespace option::core {
class TextLibrary;
}

namespace option::app {

// Row -> owner: wParam's high word is the sub-command (core::CpiRowCommand), its
// low word the value; lParam the row's identifier (500-504).
inline constexpr skin::MessageId kCpiRowMessage = platform::WM_USER + 93;

constexpr skin::WParam cpiRowWParam(core::CpiRowCommand command, int value)
{
    return (static_cast<skin::WParam>(command) << 16) | (static_cast<skin::WParam>(value) & 0xFFFFu);
}
constexpr int cpiRowSubCommand(skin::WParam wParam)
{
    return static_cast<int>((wParam >> 16) & 0xFFFFu);
}
constexpr int cpiRowValue(skin::WParam wParam)
{
    return static_cast<int>(wParam & 0xFFFFu);
}

class CpiLevelRow final : public skin::SkinWindow {
    Q_OBJECT
public:
    // `level` 0-4; the row's identifier is 500 + level.
    CpiLevelRow(QWidget* parent, int level, QObject* owner);

    void show(const core::CpiRowView& view);
    void reloadTexts(const core::TextLibrary& texts);

    int rowId() const { return core::kFirstCpiRowId + level_; }
    skin::SkinButton* selectButton() const { return select_; }
    skin::SkinButton* enableBox() const { return enable_; }
    skin::SkinButton* linkBox() const { return link_; }
    skin::SkinSlider* xSlider() const { return xSlider_; }
    skin::SkinSlider* ySlider() const { return ySlider_; }
    skin::NumberSpin* xSpin() const { return xSpin_; }
    skin::NumberSpin* ySpin() const { return ySpin_; }

protected:
    bool event(QEvent* event) override;

private:
    void post(core::CpiRowCommand command, int value);

    int level_;
    QObject* owner_;
    skin::SkinButton* select_;
    skin::SkinButton* enable_;
    skin::SkinSlider* xSlider_;
    skin::NumberSpin* xSpin_;
    skin::SkinSlider* ySlider_;
    skin::NumberSpin* ySpin_;
    skin::SkinButton* link_;
};

}  // namespace option::app
