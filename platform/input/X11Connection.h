#pragma once
// A connection to an X display, opened at first use, for the X11 implementations
// of the host-function pieces. Not thread-safe by itself: each user keeps one
// connection behind its own mutex.

#include <X11/Xlib.h>

#include <chrono>
#include <mutex>
#include <string>

namespace platform {

class X11Connection {
public:
    explicit X11Connection(const char* displayName);
    ~X11Connection();
    X11Connection(const X11Connection&) = delete;
    X11Connection& operator=(const X11Connection&) = delete;

    // The open display, nullptr when none can be opened. A failed attempt is
    // retried after a few seconds, not on every call.
    Display* display();
    // The display when it offers the XTest extension, else nullptr.
    Display* displayWithXTest();

private:
    std::string name_;
    bool hasName_ = false;
    Display* display_ = nullptr;
    std::chrono::steady_clock::time_point nextAttempt_{};
    bool xtestChecked_ = false;
    bool hasXTest_ = false;
};

// Xlib's error handler belongs to the whole process: while a trap exists our
// handler records errors instead of ending the process, one trap at a time.
class X11ErrorTrap {
public:
    explicit X11ErrorTrap(Display* display);
    ~X11ErrorTrap();
    X11ErrorTrap(const X11ErrorTrap&) = delete;
    X11ErrorTrap& operator=(const X11ErrorTrap&) = delete;

    // Waits until the server has handled every request so far; false when any
    // of them failed since the trap was set.
    bool succeeded();

private:
    std::unique_lock<std::mutex> lock_;
    Display* display_;
    XErrorHandler previous_ = nullptr;
};

}  // namespace platform
