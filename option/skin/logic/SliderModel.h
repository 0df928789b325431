#pragma once
// The arithmetic of a horizontal bitmap slider: where the thumb sits for a
// value, and which value a drag, a release or a click on the track gives.
// Offsets are in pixels from the track's left edge; the thumb's left edge
// travels from 0 to trackWidth - thumbWidth.

namespace option::skin {

class SliderModel {
public:
    // Track and thumb widths in pixels; keeps the value and replaces the thumb.
    void setGeometry(int trackWidth, int thumbWidth);
    // 0 and 10 until set. A maximum below the minimum is taken as the minimum.
    // The value is clamped into the new range and the thumb replaced.
    void setRange(int minimum, int maximum);
    // With rounding, a release rounds to the nearest value and snaps the thumb
    // to it; without, it truncates and leaves the thumb where it was let go.
    void setRounding(bool rounding) { rounding_ = rounding; }
    // Clamps, stores and places the thumb. Posts nothing.
    void setValue(int value);

    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    bool rounding() const { return rounding_; }
    int value() const { return value_; }
    int thumbOffset() const { return thumbOffset_; }
    int travel() const;

    // The thumb dragged to `offset` (clamped to its travel): the value in whole
    // steps, truncated. Returns the value to post.
    int dragTo(int offset);
    // The thumb let go at `offset`: the value again, exact, then rounded or
    // truncated. Returns the value to post.
    int releaseAt(int offset);
    // A click on the track at `offset`: the value over the whole track width;
    // the thumb moves there. Returns the value to post.
    int clickAt(int offset);

    int clampValue(int value) const;
    int offsetForValue(int value) const;

private:
    bool hasSteps() const;
    int stayAtMinimum();
    int clampOffset(int offset) const;
    int roundedOrTruncated(double exact) const;

    int trackWidth_ = 0;
    int thumbWidth_ = 0;
    int minimum_ = 0;
    int maximum_ = 10;
    bool rounding_ = false;
    int value_ = 0;
    int thumbOffset_ = 0;
};

}  // namespace option::skin
