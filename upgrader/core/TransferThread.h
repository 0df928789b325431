#pragma once
// The thread the transfer runs on. It sleeps until start() and then runs the job
// once per start; stop() sets the quit flag, wakes the thread out of any wait of
// the job (which then fails) and joins it. The thread is never killed.

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

#include "upgrader/core/UpdateDevice.h"

namespace upgrader {

class TransferThread {
public:
    // `job` runs on the thread with a waiter that stop() cuts short; `done` is
    // called there with its result.
    using Job = std::function<bool(Waiter&)>;
    using Done = std::function<void(bool)>;

    TransferThread(Job job, Done done);
    ~TransferThread();  // stop()
    TransferThread(const TransferThread&) = delete;
    TransferThread& operator=(const TransferThread&) = delete;

    void start();
    void stop();

private:
    class QuitWaiter final : public Waiter {
    public:
        explicit QuitWaiter(TransferThread& owner) : owner_(owner) {}
        bool wait(std::chrono::milliseconds duration) override;

    private:
        TransferThread& owner_;
    };

    void run();

    Job job_;
    Done done_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool startRequested_ = false;
    bool quit_ = false;
    QuitWaiter waiter_{*this};
    std::thread thread_;
};

}  // namespace upgrader
