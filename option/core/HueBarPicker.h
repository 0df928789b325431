#pragma once
// The lighting page's hue-bar picker, in the picker window's own
// coordinates: a press within the hue bar (or 3 pixels around it) starts a
// pick, moves with the button held go on picking, the point is clamped to the
// hue bar, and the 12 x 12 marker is drawn centred on it. A white pixel picks
// nothing.
#include <optional>

#include "option/core/LightingPalette.h"

namespace option::core {

struct PickerPoint {
    int x = 0;
    int y = 0;

    friend constexpr bool operator==(const PickerPoint&, const PickerPoint&) = default;
};

struct HueBarPick {
    PickerPoint point;   // clamped to the hue bar, in window coordinates
    PickerPoint pixel;   // the same point in the hue bar bitmap
    PickerPoint marker;  // top left of the marker
};

inline constexpr int kHueBarLeft = 6;    // the hue bar lies at (6,6)-(170,22)
inline constexpr int kHueBarTop = 6;
inline constexpr int kHueBarWidth = 164;
inline constexpr int kHueBarHeight = 16;
inline constexpr int kHueBarGrip = 3;    // a press this far outside still picks
inline constexpr int kPickerMarkerSize = 12;
inline constexpr Rgb kPickerMarkerKey{255, 0, 255};  // transparent in the marker picture

class HueBarPicker {
public:
    // A left-button press; nullopt when it misses the hue bar.
    std::optional<HueBarPick> press(PickerPoint at);
    // A move; picks only while the button is held after a press that hit.
    std::optional<HueBarPick> move(PickerPoint at) const;
    void release() { dragging_ = false; }
    bool dragging() const { return dragging_; }

private:
    bool dragging_ = false;
};

// Whether the colour under a pick becomes the custom colour: anything but white.
constexpr bool takesPickedColor(Rgb color)
{
    return !(color == Rgb{255, 255, 255});
}

}  // namespace option::core
