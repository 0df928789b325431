#include "platform/windows/ThreadInbox.h"

#include <cerrno>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include "platform/windows/LocalWindows.h"

namespace platform::windows {
namespace {

// Closes the thread's inbox when the thread ends, so that callers still waiting
// on it get their 0 instead of waiting for a thread that is gone.
struct InboxHolder {
    std::shared_ptr<ThreadInbox> inbox = std::make_shared<ThreadInbox>();
    ~InboxHolder() { inbox->close(); }
};

void completeAll(std::deque<std::shared_ptr<PendingSend>>& calls)
{
    for (auto& call : calls) call->complete(0);
    calls.clear();
}

}  // namespace

std::shared_ptr<ThreadInbox> ThreadInbox::current()
{
    thread_local InboxHolder holder;
    return holder.inbox;
}

ThreadInbox::ThreadInbox() : eventFd_(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

ThreadInbox::~ThreadInbox()
{
    close();
    if (eventFd_ >= 0) ::close(eventFd_);
}

void ThreadInbox::wake()
{
    const std::uint64_t one = 1;
    while (write(eventFd_, &one, sizeof one) < 0 && errno == EINTR) {
    }
}

bool ThreadInbox::push(std::shared_ptr<PendingSend> call)
{
    {
        std::lock_guard lock(mutex_);
        if (closed_) return false;
        queue_.push_back(std::move(call));
    }
    wake();
    return true;
}

void ThreadInbox::drain()
{
    std::uint64_t count = 0;
    while (read(eventFd_, &count, sizeof count) < 0 && errno == EINTR) {
    }
    for (;;) {
        std::shared_ptr<PendingSend> call;
        {
            std::lock_guard lock(mutex_);
            if (queue_.empty()) return;
            call = std::move(queue_.front());
            queue_.pop_front();
        }
        call->complete(LocalWindows::instance().deliverOnThisThread(*call));
    }
}

void ThreadInbox::waitUntil(const std::atomic<bool>& done)
{
    while (!done.load(std::memory_order_acquire)) {
        pollfd wakeUp{eventFd_, POLLIN, 0};
        if (poll(&wakeUp, 1, -1) < 0 && errno != EINTR) return;
        drain();
    }
}

void ThreadInbox::cancelFor(WindowHandle window)
{
    std::deque<std::shared_ptr<PendingSend>> cancelled;
    {
        std::lock_guard lock(mutex_);
        for (auto it = queue_.begin(); it != queue_.end();) {
            if ((*it)->target == window) {
                cancelled.push_back(std::move(*it));
                it = queue_.erase(it);
            } else {
                ++it;
            }
        }
    }
    completeAll(cancelled);
}

void ThreadInbox::close()
{
    std::deque<std::shared_ptr<PendingSend>> cancelled;
    {
        std::lock_guard lock(mutex_);
        closed_ = true;
        cancelled.swap(queue_);
    }
    completeAll(cancelled);
}

}  // namespace platform::windows
