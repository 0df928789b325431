#include "option/core/HueBarPicker.h"

#include <algorithm>

namespace option::core {
namespace {

constexpr int kHueBarRight = kHueBarLeft + kHueBarWidth - 1;
constexpr int kHueBarBottom = kHueBarTop + kHueBarHeight - 1;

bool withinGrip(PickerPoint at)
{
    return at.x >= kHueBarLeft - kHueBarGrip && at.x <= kHueBarRight + kHueBarGrip &&
           at.y >= kHueBarTop - kHueBarGrip && at.y <= kHueBarBottom + kHueBarGrip;
}

HueBarPick pickAt(PickerPoint at)
{
    const PickerPoint point{std::clamp(at.x, kHueBarLeft, kHueBarRight),
                            std::clamp(at.y, kHueBarTop, kHueBarBottom)};
    const int half = kPickerMarkerSize / 2;
    return HueBarPick{point, {point.x - kHueBarLeft, point.y - kHueBarTop}, {point.x - half, point.y - half}};
}

}  // namespace

std::optional<HueBarPick> HueBarPicker::press(PickerPoint at)
{
    dragging_ = withinGrip(at);
    if (!dragging_)
        return std::nullopt;
    return pickAt(at);
}

std::optional<HueBarPick> HueBarPicker::move(PickerPoint at) const
{
    if (!dragging_)
        return std::nullopt;
    return pickAt(at);
}

}  // namespace option::core
