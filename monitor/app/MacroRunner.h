#pragma once
// The macro runner: a thread that plays one macro per thread message 1648 with
// the player given it. Without a player no thread starts: the host functions'
// own player thread plays the mouse's macros then.

#include <chrono>
#include <functional>

#include "platform/Types.h"
#include "platform/threads/MessageThread.h"

namespace monitor::app {

class MacroRunner {
public:
    // Called on the runner thread with the message's wParam and lParam.
    using Player = std::function<void(platform::WParam, platform::LParam)>;

    MacroRunner();
    void setPlayer(Player player) { player_ = std::move(player); }

    bool start();
    bool post(platform::WParam wParam, platform::LParam lParam);
    bool stopRequested() const { return thread_.quitRequested(); }
    // False when the thread still runs after `limit`.
    bool stop(std::chrono::milliseconds limit) { return thread_.quit(limit); }

private:
    Player player_;
    platform::MessageThread thread_;
};

}  // namespace monitor::app
