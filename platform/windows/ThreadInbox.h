#pragma once
// Synchronous calls waiting for a thread that owns windows. A call is queued here
// and the thread is woken twice: through its event loop (the window's receiver
// gets a drain event) and through an eventfd, so that a thread which is itself
// blocked in a send still runs the calls made to its windows, as Win32 does, and
// two programs that send to each other do not deadlock.

#include <atomic>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/Types.h"

namespace platform::windows {

struct PendingSend {
    WindowHandle target = 0;
    bool copyData = false;
    MessageId message = 0;
    WParam wParam = 0;
    LParam lParam = 0;
    WindowHandle sender = 0;
    std::uint32_t dwData = 0;
    std::vector<std::uint8_t> payload;
    // Called exactly once with the handler's result, or with 0 when the call
    // cannot be delivered. Called on any thread; must not block.
    std::function<void(LResult)> complete;
};

class ThreadInbox {
public:
    // The calling thread's inbox, made on first use and closed when the thread ends.
    static std::shared_ptr<ThreadInbox> current();

    ThreadInbox();
    ~ThreadInbox();
    ThreadInbox(const ThreadInbox&) = delete;
    ThreadInbox& operator=(const ThreadInbox&) = delete;

    // Readable while calls (or a wake-up) are waiting.
    int wakeFd() const { return eventFd_; }
    void wake();

    // Queues a call and wakes the thread. False when the inbox is closed; the call
    // is then left uncompleted for the caller to complete.
    bool push(std::shared_ptr<PendingSend> call);

    // Runs every queued call; only on the inbox's own thread.
    void drain();

    // Blocks until `done` is set, running the calls queued here meanwhile; only
    // on the inbox's own thread. Whoever sets `done` calls wake() after it.
    void waitUntil(const std::atomic<bool>& done);

    // Completes the queued calls for `window` with 0 (the window is going away).
    void cancelFor(WindowHandle window);

    // Completes every queued call with 0 and refuses further ones.
    void close();

private:
    std::mutex mutex_;
    std::deque<std::shared_ptr<PendingSend>> queue_;
    bool closed_ = false;
    int eventFd_ = -1;
};

}  // namespace platform::windows
