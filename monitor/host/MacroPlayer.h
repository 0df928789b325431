#pragma once
// Plays one macro into the input stream: its events in order with their
// delays, its loops, the auto-repeat of a key held longer than 500 ms, and at a
// stop request the release of every key the macro still holds, newest first.
// MacroPlayerState is shared between the window thread, which fills it, and
// the player thread, which plays it.

#include <array>
#include <atomic>
#include <cstdint>
#include <vector>

#include "monitor/host/Clock.h"
#include "monitor/host/KeyTranslation.h"
#include "platform/input/InputInjector.h"
#include "settings/ButtonAssignment.h"
#include "settings/MacroEvent.h"

namespace monitor::host {

struct MacroPlayerState {
    // Written by the window thread only while no run is busy.
    std::array<settings::MacroEvent, settings::kMaxMacroEvents> events{};
    std::atomic<int> eventCount{0};
    std::atomic<int> loopCount{1};
    std::atomic<int> currentIndex{0};
    std::atomic<bool> busy{false};
    // Polled before every event, before each auto-repeat wait and after each loop.
    StopSignal stop;
};

class MacroPlayer {
public:
    MacroPlayer(MacroPlayerState& state, platform::InputInjector& injector, Clock& clock)
        : state_(state), injector_(injector), keys_(injector), clock_(clock) {}

    // One run, from the current index; on the player thread.
    void play();

private:
    // False when the run stopped during the event.
    bool playEvent(const settings::MacroEvent& event);
    void sendKeyOrButton(std::uint8_t key, platform::KeyAction action);
    void waitFor(int ms);
    void releaseHeldKeys();

    MacroPlayerState& state_;
    platform::InputInjector& injector_;
    KeyTranslator keys_;
    Clock& clock_;
    MonotonicTime deadline_{};
    std::vector<std::uint8_t> held_;  // pressing order
};

}  // namespace monitor::host
