#pragma once
// The rules of the create-timer and edit/delete-timer dialogs: names of at most
// 24 characters, trimmed of spaces, unique without regard to case; durations of
// 15-999 seconds; at most 51 timers. Refusals are silent: the dialog stays as it
// is.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/TimerStore.h"

namespace option::core {

inline constexpr int kMinTimerSeconds = 15;
inline constexpr int kMaxTimerSeconds = 999;
inline constexpr int kFirstTimerSeconds = 30;
inline constexpr std::size_t kMaxTimerNameLength = 24;

// "Create Timer" opens its dialog only while the store has room (50 or fewer).
bool canCreateTimer(const settings::TimerStore& timers);

// The create dialog's OK: the timer to append, or nullopt (the dialog stays
// open) for an empty or too long name, a name another timer has, or a full
// store. The seconds are kept within 15-999.
std::optional<settings::TimerRecord> newTimer(const settings::TimerStore& timers, std::string_view name,
                                              int seconds);

// Whether a timer other than `exceptIndex` has `name` (trimmed, any case).
bool timerNameTaken(const settings::TimerStore& timers, std::string_view name, int exceptIndex = -1);

// The edit/delete dialog over the store, edited in place.
class TimerListEditing {
public:
    // The first timer is current; the dialog does not open without timers.
    explicit TimerListEditing(settings::TimerStore& timers);
    static bool canOpen(const settings::TimerStore& timers) { return !timers.empty(); }

    // The timer list's menu: every timer (at most 51) with command 1000 + index.
    static constexpr int kFirstCommand = 1000;
    std::vector<std::string> menuNames() const;
    bool choose(int command);

    int current() const { return current_; }
    std::string currentName() const;
    int currentSeconds() const;

    enum class SaveResult { Saved, SecondsOnly, Refused };
    // "BUTTON_SAVE" (and OK): the current timer takes the name and seconds when
    // no timer has the name; only the seconds when it is its own name; nothing
    // when another timer has it, or the name is empty or too long.
    SaveResult save(std::string_view name, int seconds);

    // After the confirmation: removes the current timer; the next one at its
    // place (the last one, or none) becomes current.
    bool removeCurrent();

private:
    settings::TimerStore& timers_;
    int current_ = -1;
};

}  // namespace option::core
