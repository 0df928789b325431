#pragma once
// The lighting page's colour-spectrum picker, in the picker window's own
// coordinates: a press within the spectrum (or 3 pixels around it) starts a
// pick, moves with the button held go on picking, the point is clamped to the
// spectrum, and the 12 x 12 marker is drawn centred on it. A white pixel picks
// nothing.
#include <optional>

#include "option/core/LightingPalette.h"

namespace option::core {

struct PickerPoint {
    int x = 0;
    int y = 0;

    friend constexpr bool operator==(const PickerPoint&, const PickerPoint&) = default;
};

struct SpectrumPick {
    PickerPoint point;   // clamped to the spectrum, in window coordinates
    PickerPoint pixel;   // the same point in the spectrum bitmap
    PickerPoint marker;  // top left of the marker
};

inline constexpr int kSpectrumLeft = 6;    // the spectrum lies at (6,6)-(170,22)
inline constexpr int kSpectrumTop = 6;
inline constexpr int kSpectrumWidth = 164;
inline constexpr int kSpectrumHeight = 16;
inline constexpr int kSpectrumGrip = 3;    // a press this far outside still picks
inline constexpr int kPickerMarkerSize = 12;
inline constexpr Rgb kPickerMarkerKey{255, 0, 255};  // transparent in the marker picture

class SpectrumPicker {
public:
    // A left-button press; nullopt when it misses the spectrum.
    std::optional<SpectrumPick> press(PickerPoint at);
    // A move; picks only while the button is held after a press that hit.
    std::optional<SpectrumPick> move(PickerPoint at) const;
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
