#include "platform/threads/MessageThread.h"

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <system_error>
#include <thread>

namespace platform {

namespace {

struct Job {
    MessageId message;
    WParam wParam;
    LParam lParam;
};

}  // namespace

struct MessageThread::State {
    explicit State(Handler h) : handler(std::move(h)) {}

    Handler handler;
    std::mutex mutex;
    std::condition_variable wake;   // a job was queued or a quit requested
    std::condition_variable ended;  // the loop has finished its last job
    std::deque<Job> queue;
    bool started = false;
    bool loopEnded = false;
    std::atomic<bool> quitting{false};

    std::mutex joining;  // one joiner at a time
    std::thread thread;

    // Called with `mutex` held.
    void requestQuit()
    {
        quitting = true;
        queue.clear();
        wake.notify_one();
    }

    void run()
    {
        for (;;) {
            Job job;
            {
                std::unique_lock lock(mutex);
                wake.wait(lock, [this] { return quitting || !queue.empty(); });
                if (quitting) break;
                job = queue.front();
                queue.pop_front();
                if (job.message == WM_QUIT) {
                    requestQuit();
                    break;
                }
            }
            handler(job.message, job.wParam, job.lParam);
        }
        std::lock_guard lock(mutex);
        loopEnded = true;
        ended.notify_all();
    }

    bool onOwnThread() const { return thread.get_id() == std::this_thread::get_id(); }

    void join()
    {
        std::lock_guard lock(joining);
        if (thread.joinable()) thread.join();
    }
};

MessageThread::MessageThread(Handler handler) : state_(std::make_unique<State>(std::move(handler))) {}

MessageThread::~MessageThread()
{
    {
        std::lock_guard lock(state_->mutex);
        state_->requestQuit();
    }
    if (state_->onOwnThread()) {
        state_->thread.detach();  // a job that destroys its own thread: it ends on return
        return;
    }
    state_->join();
}

bool MessageThread::start(std::function<void()> onStart)
{
    std::lock_guard lock(state_->mutex);
    if (state_->started || !state_->handler) return false;
    try {
        state_->thread = std::thread([state = state_.get(), onStart = std::move(onStart)] {
            if (onStart) onStart();
            state->run();
        });
    } catch (const std::system_error&) {
        return false;
    }
    state_->started = true;
    return true;
}

bool MessageThread::isRunning() const
{
    std::lock_guard lock(state_->mutex);
    return state_->started && !state_->loopEnded;
}

bool MessageThread::post(MessageId message, WParam wParam, LParam lParam)
{
    std::lock_guard lock(state_->mutex);
    if (!state_->started || state_->quitting) return false;
    state_->queue.push_back(Job{message, wParam, lParam});
    state_->wake.notify_one();
    return true;
}

bool MessageThread::quit(std::chrono::milliseconds limit)
{
    {
        std::lock_guard lock(state_->mutex);
        if (!state_->started) return true;
        state_->requestQuit();
    }
    return join(limit);
}

bool MessageThread::join(std::chrono::milliseconds limit)
{
    {
        std::unique_lock lock(state_->mutex);
        if (!state_->started) return true;
        if (state_->onOwnThread()) return false;  // it cannot end while we are on it
        if (!state_->ended.wait_for(lock, limit, [this] { return state_->loopEnded; })) return false;
    }
    state_->join();
    return true;
}

bool MessageThread::quitRequested() const
{
    return state_->quitting;
}

}  // namespace platform
