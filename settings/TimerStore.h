#pragma once
// The timer store "config/Timer.ini": the user's countdown timers in list order.
// Section "Timer" holds `Count` and struct keys "0".."n-1" with the records.

#include <string>
#include <vector>

#include "settings/TimerRecord.h"

namespace platform::ini {
class IniBatch;
}

namespace settings {

using TimerStore = std::vector<TimerRecord>;

// The timer dialog lets the store grow to 51 timers; the button page assigns only
// the first 50.
inline constexpr int kMaxTimers = 51;
inline constexpr int kMaxAssignableTimers = 50;
// A larger `Count` in the file is cut to this when loading.
inline constexpr int kMaxLoadedTimers = 1000;

// Reads the store into `timers` (emptied first); a missing or damaged key gives a
// zeroed record, a missing file no timers.
void readTimerStore(const platform::ini::IniBatch& file, TimerStore& timers);
// False when the file exists but cannot be read; the list is then empty.
bool loadTimerStore(TimerStore& timers, const std::string& path);

// Replaces the file with `Count` and one key per timer, so no key of a longer old
// list survives. The file is replaced at once: a failed save keeps the old file.
bool saveTimerStore(const TimerStore& timers, const std::string& path);

}  // namespace settings
