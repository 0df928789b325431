#pragma once
// A worker thread that takes jobs as thread messages (message, wParam, lParam),
// one at a time in the order posted. It blocks on its queue while idle. A posted
// WM_QUIT ends it after the jobs posted before it, as quit() would.

#include <chrono>
#include <functional>
#include <memory>

#include "platform/Types.h"

namespace platform {

class MessageThread {
public:
    using Handler = std::function<void(MessageId message, WParam wParam, LParam lParam)>;

    explicit MessageThread(Handler handler);
    ~MessageThread();  // Quits and joins without a time limit if still running.

    MessageThread(const MessageThread&) = delete;
    MessageThread& operator=(const MessageThread&) = delete;

    // Starts the thread; once only. False when it cannot be started. `onStart`
    // runs on the new thread before its first job (to set up the thread itself).
    bool start(std::function<void()> onStart = {});
    bool isRunning() const;

    // Queues a job; safe from any thread. False when the thread is not running
    // or is quitting.
    bool post(MessageId message, WParam wParam = 0, LParam lParam = 0);

    // Asks the thread to finish after the job it is running (pending jobs are
    // dropped) and waits up to `limit` for it. True when it ended and was joined;
    // false when it is still busy (the destructor joins it later).
    bool quit(std::chrono::milliseconds limit);

    // Waits up to `limit` for the thread to end by itself, after a posted WM_QUIT,
    // and joins it. False when it still runs.
    bool join(std::chrono::milliseconds limit);

    // True once a quit was requested; lets a long job on the thread stop early.
    bool quitRequested() const;

private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace platform
