#pragma once
// The timeline panel's view: 19 bar rows over a 380-pixel track that shows a
// time window of `span` milliseconds from `start`. Zooming halves or doubles
// the span and snaps it to the spans the ruler can label; the ruler shows six
// times; the window scrolls by a line step that depends on the span, by a page
// of one span, or to a thumb position; dragging a bar's end maps pixels to time.
#include <array>
#include <cstdint>

namespace option::core {

inline constexpr int kTimelineRows = 19;
inline constexpr int kTimelineRowSpacing = 14;
inline constexpr int kTimelineTrackWidth = 380;
inline constexpr int kTimelineFirstSpan = 3000;
inline constexpr int kTimelineLongestSpan = 48000;
inline constexpr int kTimelineRulerLabels = 6;
inline constexpr int kTimelineRulerY = 7;
// A dragged end never comes closer than this to either end of its row.
inline constexpr int kTimelineDragMargin = 2;

// The span a zoomed span becomes: 14 or less is 10, then 25, 45, 90, 187, 375,
// 750 and 1500 for anything below 30, 50, 100, 200, 500, 1000 and 2000; 2000
// or more stays.
int snappedTimelineSpan(int span);
// Milliseconds a scroll-bar line moves the window for a span.
int timelineLineStep(int span);

struct RulerLabel {
    int x;
    int milliseconds;
};

class TimelineView {
public:
    int span() const { return span_; }
    int start() const { return start_; }
    int topRow() const { return topRow_; }

    void zoomIn();
    // `latestEnd`: the latest end of any bar; a window that holds them all goes
    // back to 0.
    void zoomOut(int latestEnd);

    // The horizontal scroll range (0 to this) for bars reaching `latestTime`.
    int horizontalRange(int latestTime) const;
    void scrollLines(int lines, int latestTime);
    void scrollPages(int pages, int latestTime);
    void scrollTo(int start, int latestTime);

    // The vertical scroll range and page: max(19, bars), 19.
    static int verticalRange(int barCount);
    void scrollRowsTo(int topRow, int barCount);
    // The bar in view row `row` (0-18), or -1 for an empty row.
    int barAtRow(int row, int barCount) const;

    std::array<RulerLabel, kTimelineRulerLabels> ruler() const;

    int timeAtPixel(int pixel) const;
    // Where a time lies on the track; may be outside 0-380 when out of view.
    int pixelOfTime(int milliseconds) const;

    // The pixel a dragged end may take: the start end stays left of the end end,
    // the end end right of the start end, both off the row's ends by the margin.
    static int dragStartPixel(int pixel, int endPixel);
    static int dragEndPixel(int pixel, int startPixel);

private:
    void keepStartInRange(int latestTime);

    int span_ = kTimelineFirstSpan;
    int start_ = 0;
    int topRow_ = 0;
};

}  // namespace option::core
