#include "upgrader/core/TransferThread.h"

namespace upgrader {

TransferThread::TransferThread(Job job, Done done) : job_(std::move(job)), done_(std::move(done))
{
    thread_ = std::thread([this] { run(); });
}

TransferThread::~TransferThread()
{
    stop();
}

void TransferThread::start()
{
    {
        const std::lock_guard lock(mutex_);
        startRequested_ = true;
    }
    wake_.notify_all();
}

void TransferThread::stop()
{
    {
        const std::lock_guard lock(mutex_);
        quit_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable())
        thread_.join();
}

void TransferThread::run()
{
    for (;;) {
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return startRequested_ || quit_; });
            if (quit_)
                return;
            startRequested_ = false;
        }
        const bool result = job_(waiter_);
        if (done_)
            done_(result);
    }
}

bool TransferThread::QuitWaiter::wait(std::chrono::milliseconds duration)
{
    std::unique_lock lock(owner_.mutex_);
    return !owner_.wake_.wait_for(lock, duration, [this] { return owner_.quit_; });
}

}  // namespace upgrader
