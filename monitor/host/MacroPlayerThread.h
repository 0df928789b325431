#pragma once
// The macro player's own thread: one run per thread message 1648. Starting and
// stopping a macro from a button happens on the window thread (MacroControl).

#include <chrono>
#include <functional>

#include "messages/MessageNumbers.h"
#include "monitor/host/MacroPlayer.h"
#include "platform/threads/MessageThread.h"

namespace monitor::host {


class MacroPlayerThread {
public:
    MacroPlayerThread(MacroPlayerState& state, MacroPlayer& player);

    // The thread asks for the timing a macro needs (real-time priority where the
    // system grants it, the least timer slack) before it plays anything.
    bool start();
    bool postRun() { return thread_.post(messages::kMacroRun); }
    // Asks a running macro to stop (it lets go of its keys) and joins the thread.
    bool stop(std::chrono::milliseconds limit);

private:
    MacroPlayerState& state_;
    MacroPlayer& player_;
    platform::MessageThread thread_;
};

// The button's side: start a macro, or stop the one that plays.
class MacroControl {
public:
    using PostRun = std::function<bool()>;
    MacroControl(MacroPlayerState& state, PostRun postRun) : state_(state), postRun_(std::move(postRun)) {}

    // Function code 48, pressed. A press while a macro plays stops it; the new
    // macro is not played then.
    void startOrStop(const settings::ButtonAssignment& slot);

private:
    MacroPlayerState& state_;
    PostRun postRun_;
};

}  // namespace monitor::host
