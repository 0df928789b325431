#pragma once
// The timeline's bars: a macro's events as one bar per key press and its
// release, and the bars back as events. Pairing takes, for each release, the
// latest unreleased press of the same key; releases without a press and presses
// never released make no bar.
#include <cstdint>
#include <span>
#include <type_traits>
#include <vector>

#include "settings/MacroRecord.h"

namespace option::core {

struct TimelineBar {
    std::int32_t key = -1;          // -1 until a key is given to an added bar
    std::int32_t start = 0;         // ms from the macro's start
    std::int32_t end = 0;
    std::int32_t pressIndex = -1;   // the events the bar came from; -1 for an added bar
    std::int32_t releaseIndex = -1;

    friend bool operator==(const TimelineBar&, const TimelineBar&) = default;
};
static_assert(sizeof(TimelineBar) == 20 && std::is_standard_layout_v<TimelineBar>);

// 500 events make at most 250 press and release pairs.
inline constexpr int kMaxTimelineBars = settings::kMaxMacroEvents / 2;

// The bars of the macro's first `EventCount` events (0-500), in press order.
std::vector<TimelineBar> barsFromMacro(const settings::MacroRecord& macro);
std::vector<TimelineBar> barsFromEvents(std::span<const settings::MacroEvent> events);

// Each bar with a key becomes a press at its start and a release at its end; the
// events are ordered by time, events of equal time by their place in the macro
// before (added bars after those, in bar order), and each event's delay is the
// time to the next one (at most 65535 ms), the last event's 0.
std::vector<settings::MacroEvent> eventsFromBars(std::span<const TimelineBar> bars);

// Replaces the macro's events by those of the bars; no bars empty the macro.
void writeBarsToMacro(std::span<const TimelineBar> bars, settings::MacroRecord& macro);

}  // namespace option::core
