#include "option/skin/logic/SliderModel.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace option::skin {

void SliderModel::setGeometry(int trackWidth, int thumbWidth)
{
    trackWidth_ = std::max(0, trackWidth);
    thumbWidth_ = std::max(0, thumbWidth);
    thumbOffset_ = offsetForValue(value_);
}

void SliderModel::setRange(int minimum, int maximum)
{
    minimum_ = minimum;
    maximum_ = std::max(minimum, maximum);
    setValue(value_);
}

void SliderModel::setValue(int value)
{
    value_ = clampValue(value);
    thumbOffset_ = offsetForValue(value_);
}

int SliderModel::travel() const
{
    return std::max(0, trackWidth_ - thumbWidth_);
}

int SliderModel::clampValue(int value) const
{
    return std::clamp(value, minimum_, maximum_);
}

int SliderModel::clampOffset(int offset) const
{
    return std::clamp(offset, 0, travel());
}

// An empty range or a thumb as wide as the track has no steps to spread: the
// thumb stays at the left and every position means the minimum.
int SliderModel::offsetForValue(int value) const
{
    const std::int64_t span = std::int64_t{maximum_} - minimum_;
    if (span == 0) return 0;
    return static_cast<int>(std::int64_t{travel()} * (std::int64_t{clampValue(value)} - minimum_) / span);
}

bool SliderModel::hasSteps() const
{
    return travel() > 0 && maximum_ > minimum_;
}

int SliderModel::dragTo(int offset)
{
    if (!hasSteps()) return stayAtMinimum();
    thumbOffset_ = clampOffset(offset);
    const std::int64_t span = std::int64_t{maximum_} - minimum_;
    value_ = clampValue(static_cast<int>(minimum_ + std::int64_t{thumbOffset_} * span / travel()));
    return value_;
}

int SliderModel::stayAtMinimum()
{
    setValue(minimum_);
    return value_;
}

int SliderModel::roundedOrTruncated(double exact) const
{
    const double whole = rounding_ ? std::floor(exact + 0.5) : std::trunc(exact);
    const double bounded = std::clamp(whole, double(minimum_), double(maximum_));
    return static_cast<int>(bounded);
}

int SliderModel::releaseAt(int offset)
{
    if (!hasSteps()) return stayAtMinimum();
    thumbOffset_ = clampOffset(offset);
    const double span = double(maximum_) - double(minimum_);
    value_ = roundedOrTruncated(minimum_ + thumbOffset_ * span / travel());
    if (rounding_) thumbOffset_ = offsetForValue(value_);
    return value_;
}

int SliderModel::clickAt(int offset)
{
    const double span = double(maximum_) - double(minimum_);
    const int value = trackWidth_ == 0 ? minimum_ : roundedOrTruncated(offset * span / trackWidth_ + minimum_);
    setValue(value);
    return value_;
}

}  // namespace option::skin
