#pragma once
// Sliders of the settings pages whose positions 1-11 stand for stored values
// through a table: the double-click time and the pointer speed. Both ways:
// the value a position stores, and the position a stored value shows.

#include <span>

namespace settings {

inline constexpr int kFirstSliderPosition = 1;
inline constexpr int kLastSliderPosition = 11;

// Milliseconds of positions 1-11; any other position stores 480.
std::span<const int> doubleClickTimes();
int doubleClickTimeOfPosition(int position);
// The first position whose time `milliseconds` reaches (900 or more is 1);
// 11 for anything shorter than 270.
int doubleClickPositionOfTime(int milliseconds);

// Pointer speeds (1-20) of positions 1-11; any other position stores 10.
std::span<const int> pointerSpeeds();
int pointerSpeedOfPosition(int position);
// The position a pointer speed shows: 0-1 is 1, 2 is 2, then two speeds a
// position (3-4 is 3 ... 19-20 is 11); anything else shows 6.
int pointerPositionOfSpeed(int speed);

}  // namespace settings
