#pragma once
// The Qt side of one window: an object on the window's thread that receives its
// posted messages as events, runs its sent calls and owns its timers. Only the
// posting functions may be called from other threads.

#include <QObject>

#include <cstdint>
#include <map>

#include "platform/Types.h"
#include "platform/windows/MessageWindow.h"
#include "platform/windows/ThreadInbox.h"

class QTimer;

namespace platform::windows {

class WindowReceiver final : public QObject {
public:
    WindowReceiver(MessageHandler& handler, std::shared_ptr<ThreadInbox> inbox);

    // Any thread.
    static void postMessage(WindowReceiver* receiver, MessageId message, WParam wParam, LParam lParam);
    static void postDrain(WindowReceiver* receiver);

    // The window's thread.
    LResult callMessage(MessageId message, WParam wParam, LParam lParam);
    LResult callCopyData(WindowHandle sender, std::uint32_t dwData, const std::uint8_t* data, std::size_t size);
    void setTimer(std::uint32_t id, std::uint32_t intervalMs);
    void killTimer(std::uint32_t id);

    // Ends the receiver's work: stops its timers, ignores what is still queued and
    // deletes it now, or once the handler call that is running returns.
    void retire();

protected:
    bool event(QEvent* event) override;

private:
    struct DispatchScope;

    MessageHandler& handler_;
    std::shared_ptr<ThreadInbox> inbox_;
    std::map<std::uint32_t, QTimer*> timers_;
    int dispatchDepth_ = 0;
    bool retired_ = false;
};

}  // namespace platform::windows
