#include "option/core/TimelineBars.h"

#include <algorithm>
#include <limits>

namespace option::core {
namespace {

using settings::MacroEvent;

constexpr std::int64_t kLongestDelay = std::numeric_limits<std::uint16_t>::max();

struct PendingPress {
    std::uint8_t key;
    std::int32_t time;
    std::int32_t index;
};

// Bars come out in release order; move each press's bar to the press's place.
void orderByPresses(std::span<const MacroEvent> events, std::vector<TimelineBar>& bars)
{
    std::size_t k = 0;
    for (const MacroEvent& event : events) {
        if (event.Action != settings::kMacroActionPress)
            continue;
        if (k >= bars.size())
            break;
        if (bars[k].key != event.Key) {
            for (std::size_t j = bars.size(); j-- > k + 1;) {
                if (bars[j].key == event.Key) {
                    std::rotate(bars.begin() + static_cast<std::ptrdiff_t>(k),
                                bars.begin() + static_cast<std::ptrdiff_t>(j),
                                bars.begin() + static_cast<std::ptrdiff_t>(j) + 1);
                    break;
                }
            }
        }
        ++k;
    }
}

struct TimedEvent {
    MacroEvent event;
    std::int64_t time;
    std::int64_t order;  // place in the macro before, or after all of them
};

}  // namespace

std::vector<TimelineBar> barsFromMacro(const settings::MacroRecord& macro)
{
    const int count = std::clamp(macro.EventCount, 0, settings::kMaxMacroEvents);
    return barsFromEvents(std::span(macro.Events, static_cast<std::size_t>(count)));
}

std::vector<TimelineBar> barsFromEvents(std::span<const MacroEvent> events)
{
    std::vector<TimelineBar> bars;
    std::vector<PendingPress> pending;
    std::int32_t time = 0;
    for (std::size_t i = 0; i < events.size() && i < static_cast<std::size_t>(settings::kMaxMacroEvents); ++i) {
        const MacroEvent& event = events[i];
        const auto index = static_cast<std::int32_t>(i);
        if (event.Action == settings::kMacroActionPress) {
            pending.push_back({event.Key, time, index});
        } else if (event.Action == settings::kMacroActionRelease) {
            const auto press = std::find_if(pending.rbegin(), pending.rend(),
                                            [&](const PendingPress& p) { return p.key == event.Key; });
            if (press != pending.rend()) {
                bars.push_back({press->key, press->time, time, press->index, index});
                pending.erase(std::next(press).base());
            }
        }
        time += event.DelayMs;
    }
    orderByPresses(events.first(std::min<std::size_t>(events.size(), settings::kMaxMacroEvents)), bars);
    return bars;
}

std::vector<MacroEvent> eventsFromBars(std::span<const TimelineBar> bars)
{
    std::vector<TimedEvent> timed;
    std::int64_t added = settings::kMaxMacroEvents;
    const auto orderOf = [&](std::int32_t index) { return index >= 0 ? std::int64_t{index} : added++; };
    for (const TimelineBar& bar : bars) {
        // A bar still waiting for its key has no event to give.
        if (bar.key < 0 || bar.key > std::numeric_limits<std::uint8_t>::max())
            continue;
        if (timed.size() + 2 > static_cast<std::size_t>(settings::kMaxMacroEvents))
            break;
        const auto key = static_cast<std::uint8_t>(bar.key);
        const std::int64_t start = std::max(0, bar.start);
        const std::int64_t end = std::max<std::int64_t>(start, bar.end);
        timed.push_back({{key, settings::kMacroActionPress, 0}, start, orderOf(bar.pressIndex)});
        timed.push_back({{key, settings::kMacroActionRelease, 0}, end, orderOf(bar.releaseIndex)});
    }
    std::stable_sort(timed.begin(), timed.end(), [](const TimedEvent& a, const TimedEvent& b) {
        return a.time != b.time ? a.time < b.time : a.order < b.order;
    });
    std::vector<MacroEvent> events;
    events.reserve(timed.size());
    for (std::size_t i = 0; i < timed.size(); ++i) {
        MacroEvent event = timed[i].event;
        if (i + 1 < timed.size())
            event.DelayMs = static_cast<std::uint16_t>(std::min(timed[i + 1].time - timed[i].time, kLongestDelay));
        events.push_back(event);
    }
    return events;
}

void writeBarsToMacro(std::span<const TimelineBar> bars, settings::MacroRecord& macro)
{
    const std::vector<MacroEvent> events = eventsFromBars(bars);
    std::fill(std::begin(macro.Events), std::end(macro.Events), MacroEvent{});
    std::copy(events.begin(), events.end(), macro.Events);
    macro.EventCount = static_cast<std::int32_t>(events.size());
}

}  // namespace option::core
