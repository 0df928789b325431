#pragma once
// The device worker: a thread that runs the monitor's long device jobs (posted as
// thread message 1649) one at a time, so the window thread stays responsive.

#include <atomic>
#include <chrono>
#include <functional>

#include "platform/Types.h"
#include "platform/threads/MessageThread.h"

namespace monitor::app {

// The jobs themselves; the monitor's implementation drives the protocol.
class DeviceJobs {
public:
    virtual ~DeviceJobs() = default;
    virtual bool readWholeDevice() = 0;
    virtual bool writeActiveProfile() = 0;
    virtual bool uploadColorDatabase() = 0;
    virtual bool sendRequestedMacro(int number) = 0;  // 1-110
    virtual bool writeHostPresent() = 0;
};

enum class DeviceState : int { Unknown = 0, Present = 1, Absent = 2 };

class DeviceWorker {
public:
    using Finished = std::function<void(platform::WParam job, bool succeeded)>;

    // `deviceState` is the monitor's; a job runs only while it is Present.
    // `finished` is called on the worker thread after every job that ran.
    DeviceWorker(DeviceJobs& jobs, const std::atomic<DeviceState>& deviceState, Finished finished);
    ~DeviceWorker();

    bool start();
    // Queues job 2, 3, 5, 6 (with the macro number) or 7; false when not running.
    bool post(platform::WParam job, platform::LParam value = 0);

    bool isBusy() const { return busy_.load(); }
    // Set to end a running job early; cleared when a job starts, unless the
    // worker is stopping.
    std::atomic<bool>& abortFlag() { return abort_; }
    // Once set, no job starts any more and a running one is aborted. Lock-free,
    // so a signal handler may set it (then the abort flag) itself.
    std::atomic<bool>& stoppingFlag() { return stopping_; }
    bool stopping() const { return stopping_.load(); }

    // Sets the stopping flag, aborts a running job, asks the thread to quit and
    // waits up to `limit` for it. False when it still runs; it is then joined
    // when the worker goes.
    bool stop(std::chrono::milliseconds limit);

private:
    void runJob(platform::MessageId message, platform::WParam job, platform::LParam value);
    bool dispatch(platform::WParam job, platform::LParam value);

    DeviceJobs& jobs_;
    const std::atomic<DeviceState>& deviceState_;
    Finished finished_;
    std::atomic<bool> busy_{false};
    std::atomic<bool> abort_{false};
    std::atomic<bool> stopping_{false};
    static_assert(std::atomic<bool>::is_always_lock_free);
    platform::MessageThread thread_;
};

}  // namespace monitor::app
