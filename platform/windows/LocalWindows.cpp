#include "platform/windows/LocalWindows.h"

#include "platform/windows/WindowReceiver.h"

namespace platform::windows {

LocalWindows& LocalWindows::instance()
{
    static LocalWindows windows;
    return windows;
}

void LocalWindows::add(const LocalWindow& window)
{
    std::lock_guard lock(mutex_);
    windows_[window.handle] = window;
}

void LocalWindows::remove(WindowHandle window)
{
    std::shared_ptr<ThreadInbox> inbox;
    {
        std::lock_guard lock(mutex_);
        const auto it = windows_.find(window);
        if (it == windows_.end()) return;
        inbox = it->second.inbox;
        windows_.erase(it);
    }
    // Sends are queued under the mutex, so none for this window can follow.
    inbox->cancelFor(window);
}

bool LocalWindows::contains(WindowHandle window) const
{
    std::lock_guard lock(mutex_);
    return windows_.count(window) != 0;
}

WindowReceiver* LocalWindows::receiverOnThisThread(WindowHandle window) const
{
    std::lock_guard lock(mutex_);
    const auto it = windows_.find(window);
    if (it == windows_.end() || it->second.owner != std::this_thread::get_id()) return nullptr;
    return it->second.receiver;
}

bool LocalWindows::post(WindowHandle window, MessageId message, WParam wParam, LParam lParam)
{
    // Posting under the mutex: the receiver is retired only after remove().
    std::lock_guard lock(mutex_);
    const auto it = windows_.find(window);
    if (it == windows_.end()) return false;
    WindowReceiver::postMessage(it->second.receiver, message, wParam, lParam);
    return true;
}

bool LocalWindows::queueSend(const std::shared_ptr<PendingSend>& call)
{
    std::lock_guard lock(mutex_);
    const auto it = windows_.find(call->target);
    if (it == windows_.end() || !it->second.inbox->push(call)) return false;
    WindowReceiver::postDrain(it->second.receiver);
    return true;
}

LResult LocalWindows::deliverOnThisThread(const PendingSend& call)
{
    // Safe outside the mutex: only this thread retires the receiver.
    WindowReceiver* receiver = receiverOnThisThread(call.target);
    if (!receiver) return 0;
    if (call.copyData)
        return receiver->callCopyData(call.sender, call.dwData, call.payload.data(), call.payload.size());
    return receiver->callMessage(call.message, call.wParam, call.lParam);
}

}  // namespace platform::windows
