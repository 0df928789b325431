#pragma once
// SIGTERM and SIGINT close the monitor's window the ordinary way, so the whole
// shutdown order runs. The signal handler only writes a byte to a pipe; the
// event loop of the main thread watches the pipe and posts the close.

#include <memory>

#include "platform/Types.h"

namespace monitor::app {

class SignalWatcher {
public:
    // Installs the handlers; nullptr when the pipe cannot be made. Call on the
    // thread that runs the event loop; one watcher per process.
    static std::unique_ptr<SignalWatcher> install(platform::WindowHandle window);
    ~SignalWatcher();  // restores the default handlers

    SignalWatcher(const SignalWatcher&) = delete;
    SignalWatcher& operator=(const SignalWatcher&) = delete;

private:
    SignalWatcher() = default;
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace monitor::app
