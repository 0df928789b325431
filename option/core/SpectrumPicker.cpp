#include "option/core/SpectrumPicker.h"

#include <algorithm>

namespace option::core {
namespace {

constexpr int kSpectrumRight = kSpectrumLeft + kSpectrumWidth - 1;
constexpr int kSpectrumBottom = kSpectrumTop + kSpectrumHeight - 1;

bool withinGrip(PickerPoint at)
{
    return at.x >= kSpectrumLeft - kSpectrumGrip && at.x <= kSpectrumRight + kSpectrumGrip &&
           at.y >= kSpectrumTop - kSpectrumGrip && at.y <= kSpectrumBottom + kSpectrumGrip;
}

SpectrumPick pickAt(PickerPoint at)
{
    const PickerPoint point{std::clamp(at.x, kSpectrumLeft, kSpectrumRight),
                            std::clamp(at.y, kSpectrumTop, kSpectrumBottom)};
    const int half = kPickerMarkerSize / 2;
    return SpectrumPick{point, {point.x - kSpectrumLeft, point.y - kSpectrumTop}, {point.x - half, point.y - half}};
}

}  // namespace

std::optional<SpectrumPick> SpectrumPicker::press(PickerPoint at)
{
    dragging_ = withinGrip(at);
    if (!dragging_)
        return std::nullopt;
    return pickAt(at);
}

std::optional<SpectrumPick> SpectrumPicker::move(PickerPoint at) const
{
    if (!dragging_)
        return std::nullopt;
    return pickAt(at);
}

}  // namespace option::core
