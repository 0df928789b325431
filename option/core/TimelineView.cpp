#include "option/core/TimelineView.h"

#include <algorithm>

namespace option::core {
namespace {

struct SpanStep {
    int span;
    int step;
};

constexpr SpanStep kLineSteps[] = {
    {25, 2},    {45, 2},    {90, 3},    {187, 5},    {375, 10},   {750, 20},
    {1500, 40}, {3000, 100}, {6000, 200}, {12000, 400}, {24000, 800}, {48000, 1600},
};

struct SnapLimit {
    int below;
    int span;
};

constexpr SnapLimit kSnaps[] = {
    {30, 25}, {50, 45}, {100, 90}, {200, 187}, {500, 375}, {1000, 750}, {2000, 1500},
};

constexpr int kShortestSnapLimit = 14;
constexpr int kShortestSpan = 10;

}  // namespace

int snappedTimelineSpan(int span)
{
    if (span <= kShortestSnapLimit)
        return kShortestSpan;
    for (const SnapLimit& limit : kSnaps)
        if (span < limit.below)
            return limit.span;
    return span;
}

int timelineLineStep(int span)
{
    for (const SpanStep& entry : kLineSteps)
        if (entry.span == span)
            return entry.step;
    return 1;
}

void TimelineView::zoomIn()
{
    span_ = snappedTimelineSpan(span_ / 2);
}

void TimelineView::zoomOut(int latestEnd)
{
    span_ = snappedTimelineSpan(std::min(span_ * 2, kTimelineLongestSpan));
    start_ = std::max(0, std::min(start_, kTimelineLongestSpan - span_));
    if (latestEnd <= span_)
        start_ = 0;
}

int TimelineView::horizontalRange(int latestTime) const
{
    return std::max(span_, latestTime);
}

void TimelineView::keepStartInRange(int latestTime)
{
    start_ = std::clamp(start_, 0, std::max(0, horizontalRange(latestTime) - span_));
}

void TimelineView::scrollLines(int lines, int latestTime)
{
    start_ += lines * timelineLineStep(span_);
    keepStartInRange(latestTime);
}

void TimelineView::scrollPages(int pages, int latestTime)
{
    start_ += pages * span_;
    keepStartInRange(latestTime);
}

void TimelineView::scrollTo(int start, int latestTime)
{
    start_ = start;
    keepStartInRange(latestTime);
}

int TimelineView::verticalRange(int barCount)
{
    return std::max(kTimelineRows, barCount);
}

void TimelineView::scrollRowsTo(int topRow, int barCount)
{
    topRow_ = std::clamp(topRow, 0, verticalRange(barCount) - kTimelineRows);
}

int TimelineView::barAtRow(int row, int barCount) const
{
    if (row < 0 || row >= kTimelineRows)
        return -1;
    const int bar = topRow_ + row;
    return bar < barCount ? bar : -1;
}

std::array<RulerLabel, kTimelineRulerLabels> TimelineView::ruler() const
{
    const int sixth = span_ / 6;
    const int step = sixth < 100 ? sixth : sixth < 200 ? span_ / 30 * 5 : span_ / 60 * 10;
    std::array<RulerLabel, kTimelineRulerLabels> labels{};
    for (int i = 0; i < kTimelineRulerLabels; ++i)
        labels[i] = RulerLabel{65 + 64 * i + (i == 0 ? 1 : 0), start_ + step * i};
    return labels;
}

int TimelineView::timeAtPixel(int pixel) const
{
    return start_ + static_cast<int>(static_cast<long long>(pixel) * span_ / kTimelineTrackWidth);
}

int TimelineView::pixelOfTime(int milliseconds) const
{
    return static_cast<int>(static_cast<long long>(milliseconds - start_) * kTimelineTrackWidth / span_);
}

int TimelineView::dragStartPixel(int pixel, int endPixel)
{
    constexpr int last = kTimelineTrackWidth - kTimelineDragMargin;
    return std::clamp(pixel, kTimelineDragMargin, std::clamp(endPixel - 1, kTimelineDragMargin, last));
}

int TimelineView::dragEndPixel(int pixel, int startPixel)
{
    constexpr int last = kTimelineTrackWidth - kTimelineDragMargin;
    return std::clamp(pixel, std::clamp(startPixel + 1, kTimelineDragMargin, last), last);
}

}  // namespace option::core
