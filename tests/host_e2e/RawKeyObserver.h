#pragma once
// Records every key press and release the X server sees, injected ones
// included, through XInput2 raw events selected on the root window (raw events
// reach the root window even while another client holds a grab).

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace e2e {

struct RawKey {
    unsigned keycode = 0;
    bool press = false;
    std::uint64_t serverTimeMs = 0;                  // the server's time stamp
    std::chrono::steady_clock::time_point arrived;   // when the observer read it
};

class RawKeyObserver {
public:
    // nullptr without a display or without XInput2.
    static std::unique_ptr<RawKeyObserver> open();
    ~RawKeyObserver();

    // The keycode of an X keysym on this display; 0 when it has none.
    unsigned keycodeOf(unsigned long keysym) const;
    // Blocks until `done` holds for the events recorded so far, at most `limit`.
    bool waitUntil(const std::function<bool(const std::vector<RawKey>&)>& done, std::chrono::milliseconds limit);
    std::vector<RawKey> events();

private:
    RawKeyObserver() = default;
    void run();

    struct DisplayHandle;
    std::unique_ptr<DisplayHandle> display_;
    int opcode_ = 0;
    int wakeRead_ = -1;
    int wakeWrite_ = -1;
    std::thread thread_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<RawKey> events_;
};

}  // namespace e2e
