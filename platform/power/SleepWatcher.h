#pragma once
// Tells when the machine is about to sleep and when it woke up, from logind's
// PrepareForSleep signal on the system bus. The callback runs on the watcher's
// own thread.

#include <functional>
#include <memory>

namespace platform {

class SleepWatcher {
public:
    using Callback = std::function<void(bool goingToSleep)>;

    // nullptr when there is no system bus (or no application object for the
    // D-Bus connection); the caller then simply never hears of sleep.
    static std::unique_ptr<SleepWatcher> start(Callback callback);
    virtual ~SleepWatcher() = default;  // stops and joins the thread

protected:
    SleepWatcher() = default;
};

}  // namespace platform
