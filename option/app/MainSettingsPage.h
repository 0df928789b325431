#pragma once
// The main settings page: sensitivity (slider and a spin showing the value less
// 6), scroll speed with its one-page pair, tilt speed, the double-click time
// (set on the desktop at once) with its test area, and the five CPI level rows.
// Every change goes straight into the edited profile of the working block.
#include <array>

#include "option/app/Page.h"

namespace option::skin {
class NumberSpin;
class SkinButton;
class SkinSlider;
}  // namespace option::skin

namespace option::app {

class CpiLevelRow;
class DoubleClickTest;

class MainSettingsPage final : public Page {
    Q_OBJECT
public:
    // Control identifiers, as the sliders and the spin report them.
    static constexpr int kSensitivitySliderId = 300;
    static constexpr int kScrollSliderId = 301;
    static constexpr int kTiltSliderId = 302;
    static constexpr int kDoubleClickSliderId = 303;
    static constexpr int kSensitivitySpinId = 400;

    MainSettingsPage(QWidget* parent, PageHost& host);

    void refresh() override;
    void reloadTexts(const core::TextLibrary& texts) override;

    CpiLevelRow* cpiRow(int level) const { return rows_.at(static_cast<std::size_t>(level)); }
    skin::SkinSlider* sensitivitySlider() const { return sensitivity_; }
    skin::NumberSpin* sensitivitySpin() const { return sensitivitySpin_; }
    skin::SkinSlider* doubleClickSlider() const { return doubleClick_; }
    DoubleClickTest* doubleClickTest() const { return test_; }

protected:
    bool event(QEvent* event) override;

private:
    void onSlider(int id, int value);
    void onScrollPair(bool onePage);
    void onRowCommand(int rowId, int subCommand, int value);
    void showRows();

    skin::SkinSlider* sensitivity_;
    skin::NumberSpin* sensitivitySpin_;
    skin::SkinSlider* scroll_;
    skin::SkinButton* notOnePage_;
    skin::SkinButton* onePage_;
    skin::SkinSlider* tilt_;
    skin::SkinSlider* doubleClick_;
    DoubleClickTest* test_;
    std::array<CpiLevelRow*, 5> rows_{};
};

}  // namespace option::app
