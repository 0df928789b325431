#pragma once
// A key shortcut on a mouse button: the modifiers and the key go down at the
// press, the key repeats on timer 102 (after 1 s, then ten times a second) while
// the button is held, and everything goes up in reverse order at the release.

#include <cstdint>

#include "monitor/host/Clock.h"
#include "monitor/host/KeyTranslation.h"
#include "monitor/host/TimerService.h"
#include "settings/ButtonAssignment.h"

namespace monitor::host {

class ShortcutKeys {
public:
    ShortcutKeys(platform::InputInjector& injector, Clock& clock, TimerService& timers)
        : keys_(injector), clock_(clock), timers_(timers) {}

    void press(const settings::ButtonAssignment& slot);
    // Releases the shortcut pressed last.
    void release();
    // Timer 102.
    void repeat();
    // A shortcut is down and not yet released.
    bool held() const { return held_; }

private:
    void pause1ms();

    KeyTranslator keys_;
    Clock& clock_;
    TimerService& timers_;
    std::uint8_t key_ = 0;
    std::uint8_t modifiers_ = 0;
    bool firstDelay_ = false;
    bool held_ = false;
};

}  // namespace monitor::host
