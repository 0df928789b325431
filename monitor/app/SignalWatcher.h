#pragma once
// SIGTERM and SIGINT close the monitor's window the ordinary way, so the whole
// shutdown order runs. The signal handler sets the given flags itself (so a
// device exchange that holds the window thread, such as a handshake with a busy
// mouse, ends within one pause step) and writes a byte to a pipe; the event
// loop of the main thread watches the pipe and posts the close.

#include <atomic>
#include <vector>
#include <memory>

#include "platform/Types.h"

namespace monitor::app {

class SignalWatcher {
public:
    // Installs the handlers; nullptr when the pipe cannot be made. Call on the
    // thread that runs the event loop; one watcher per process. The handler sets
    // `flagsToSet` (at most four, lock-free atomics that outlive the watcher) in
    // the order given.
    static std::unique_ptr<SignalWatcher> install(platform::WindowHandle window,
                                                  const std::vector<std::atomic<bool>*>& flagsToSet = {});
    ~SignalWatcher();  // restores the default handlers

    SignalWatcher(const SignalWatcher&) = delete;
    SignalWatcher& operator=(const SignalWatcher&) = delete;

private:
    SignalWatcher() = default;
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace monitor::app
