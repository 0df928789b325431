#pragma once
// The windows of this process, by handle. Messages for them never touch a socket:
// posts go straight into the owner thread's event queue and sends into its inbox.

#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>

#include "platform/Types.h"
#include "platform/windows/ThreadInbox.h"

namespace platform::windows {

class WindowReceiver;

struct LocalWindow {
    WindowHandle handle = 0;
    std::thread::id owner;
    std::shared_ptr<ThreadInbox> inbox;
    WindowReceiver* receiver = nullptr;  // lives on `owner`; valid while registered
};

class LocalWindows {
public:
    static LocalWindows& instance();

    void add(const LocalWindow& window);
    // Unregisters the window and completes its waiting sends with 0. Call on the
    // owner thread before the receiver is retired.
    void remove(WindowHandle window);

    bool contains(WindowHandle window) const;

    // Any thread. False when the window is not one of this process.
    bool post(WindowHandle window, MessageId message, WParam wParam, LParam lParam);
    // Any thread: queues the call for the owner thread. False when the window is
    // not one of this process (or its thread has ended); the call is then not
    // completed.
    bool queueSend(const std::shared_ptr<PendingSend>& call);

    // The window's receiver when the window belongs to the calling thread, else
    // nullptr. Valid until this thread destroys the window.
    WindowReceiver* receiverOnThisThread(WindowHandle window) const;

    // Owner thread: runs a sent call on its window now; 0 when the window is gone.
    LResult deliverOnThisThread(const PendingSend& call);

private:
    mutable std::mutex mutex_;
    std::unordered_map<WindowHandle, LocalWindow> windows_;
};

}  // namespace platform::windows
