#pragma once
// The advanced page: sound feedback switches and volume, polling rate, the
// desktop's pointer speed, acceleration and trails, angle snapping, sensor
// alignment (slider, and a spin showing the value less 30), the Padtune level
// (which runs the calibration wizard) and the reset to defaults.
#include <array>

#include "option/app/Page.h"
#include "option/app/PadtuneDialogs.h"

namespace option::skin {
class NumberSpin;
class SkinButton;
class SkinSlider;
}  // namespace option::skin

namespace option::app {

class AdvancedPage final : public Page {
    Q_OBJECT
public:
    static constexpr int kVolumeSliderId = 200;
    static constexpr int kPointerSliderId = 300;
    static constexpr int kSnapSliderId = 400;
    static constexpr int kAlignmentSliderId = 450;
    static constexpr int kAlignmentSpinId = 600;

    AdvancedPage(QWidget* parent, PageHost& host);

    void refresh() override;
    void reloadTexts(const core::TextLibrary& texts) override;

    // The Padtune wizard's clock (tests run it faster).
    void setPadtuneClock(PadtuneClock clock) { padtuneClock_ = std::move(clock); }

protected:
    bool event(QEvent* event) override;

private:
    enum class Sound { Cpi, Profile, Sensitivity, VolumeUpDown, Trophy };

    void onSound(Sound sound, bool on);
    void onSlider(int id, int value);
    void onPadtuneLevel(int level);
    void onReset();

    std::array<skin::SkinButton*, 5> sounds_{};
    skin::SkinSlider* volume_;
    std::array<skin::SkinButton*, 4> polling_{};
    skin::SkinSlider* pointer_;
    skin::SkinButton* acceleration_;
    skin::SkinButton* trails_;
    skin::SkinButton* snapOff_;
    skin::SkinButton* snapOn_;
    skin::SkinSlider* snap_;
    skin::SkinButton* alignmentOff_;
    skin::SkinButton* alignmentOn_;
    skin::SkinSlider* alignment_;
    skin::NumberSpin* alignmentSpin_;
    std::array<skin::SkinButton*, 4> padtune_{};
    skin::SkinButton* reset_;
    PadtuneClock padtuneClock_ = realTimeClock();
};

}  // namespace option::app
