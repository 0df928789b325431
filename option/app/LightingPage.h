#pragma once
// The lighting page: the effect, the colour mode and flow, palette or custom
// colour, the 16 shown palette swatches (and the 17 never shown), the custom
// colour's spins, swatch and hue-bar picker, and the breathing preview. After
// every change the main window is told, so its slot colour indicators follow.
#include <array>
#include <vector>

#include "option/app/Page.h"
#include "option/core/LightingPalette.h"

namespace option::skin {
class AnimationControl;
class ColorSwatchButton;
class NumberSpin;
class SkinButton;
}  // namespace option::skin

namespace option::app {

class HueBarPickerView;

class LightingPage final : public Page {
    Q_OBJECT
public:
    LightingPage(QWidget* parent, PageHost& host);

    void refresh() override;
    void reloadTexts(const core::TextLibrary& texts) override;

    // Palette index 0-32.
    skin::ColorSwatchButton* swatch(int index) const { return swatches_.at(static_cast<std::size_t>(index)); }
    skin::ColorSwatchButton* customSwatch() const { return custom_; }
    HueBarPickerView* picker() const { return picker_; }
    skin::AnimationControl* preview() const { return preview_; }

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // Runs `change` on the edited profile, then shows it and tells the main window.
    template <typename Change>
    void edit(Change change);
    void playPreview();

    std::array<skin::SkinButton*, 5> effects_{};
    std::array<skin::SkinButton*, 3> modes_{};
    std::array<skin::SkinButton*, 6> flows_{};
    skin::SkinButton* palette_;
    skin::SkinButton* customChoice_;
    std::vector<skin::ColorSwatchButton*> swatches_;
    std::array<skin::NumberSpin*, 3> spins_{};
    skin::ColorSwatchButton* custom_;
    HueBarPickerView* picker_;
    skin::AnimationControl* preview_;
};

}  // namespace option::app
