#pragma once
// Message windows: a title, a handler for (message, wParam, lParam) and timers.
// Any process of the same user finds a window by its exact title and can post,
// send or copy data to it. A window belongs to the thread that created it; that
// thread must run an event loop (platform/windows/EventLoop.h), and every handler
// call and timer of the window happens on it. While that thread waits in a send,
// it still runs the sends made to its own windows (not their posts), as Win32 does.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/Types.h"

namespace platform {

class MessageHandler {
public:
    virtual ~MessageHandler() = default;
    // Posted and sent messages, and WM_TIMER with wParam = timer id.
    virtual LResult onMessage(MessageId message, WParam wParam, LParam lParam) = 0;
    // WM_COPYDATA: the payload is valid only during the call.
    virtual LResult onCopyData(WindowHandle sender, std::uint32_t dwData,
                               const std::uint8_t* data, std::size_t size)
    {
        (void)sender; (void)dwData; (void)data; (void)size;
        return 0;
    }
};

class MessageWindow {
public:
    // Creates a window on the calling thread. Returns nullptr when the process has
    // no application object yet (ensureEventLoopApplication), when the runtime
    // directory is unusable or too deep for a socket path (108 bytes), or when the
    // window cannot listen. Several windows may share a title; findWindow then
    // returns one of them.
    static std::unique_ptr<MessageWindow> create(std::string_view title, MessageHandler& handler);

    // Destroys the window: it is no longer found or reached. Call on the window's
    // thread (a handler of the window may destroy it); sends still waiting for it
    // return 0.
    virtual ~MessageWindow() = default;

    virtual WindowHandle handle() const = 0;
    virtual const std::string& title() const = 0;

    // Starts or restarts timer `id`; the handler then gets WM_TIMER(id, 0) every
    // `intervalMs` (at least 10 ms, as in Win32). From another thread the change
    // takes effect when the window's thread next runs its loop.
    virtual void setTimer(std::uint32_t id, std::uint32_t intervalMs) = 0;
    virtual void killTimer(std::uint32_t id) = 0;

protected:
    MessageWindow() = default;
    MessageWindow(const MessageWindow&) = delete;
    MessageWindow& operator=(const MessageWindow&) = delete;
};

// 0 when no live window of any process of this user has exactly this title.
WindowHandle findWindow(std::string_view title);
bool isWindow(WindowHandle window);

// Queues the message for the window's thread. Safe from any thread. False when the
// window does not exist.
bool postMessage(WindowHandle window, MessageId message, WParam wParam, LParam lParam);

// Runs the handler on the window's thread and returns its result. Returns 0 at
// once when the window does not exist, and 0 when its process dies during the call.
LResult sendMessage(WindowHandle window, MessageId message, WParam wParam, LParam lParam);

// WM_COPYDATA, synchronous like sendMessage. 0 at once for payloads over 1 MiB.
LResult sendCopyData(WindowHandle window, WindowHandle sender, std::uint32_t dwData,
                     const void* data, std::size_t size);

// The pair of messages that asks another program's window to come back into
// view: WM_SYSCOMMAND(SC_RESTORE, 0) to restore it when minimized, then
// WM_ACTIVATE(WA_ACTIVE, 0) to bring it to the front and activate it.
inline constexpr MessageId WM_ACTIVATE = 0x0006;
inline constexpr MessageId WM_SYSCOMMAND = 0x0112;
inline constexpr WParam SC_RESTORE = 0xF120;
inline constexpr WParam WA_ACTIVE = 1;

// No program can raise another's window on this platform, so the window's owner
// does it: a program with a visible window restores, raises and activates that
// window when these arrive. Posts both, in that order; false when the window
// does not exist.
bool activateWindow(WindowHandle window);

// Posts the message to every window of this user; returns how many it reached.
int broadcastMessage(MessageId message, WParam wParam, LParam lParam);

// One name gives one number in 0xC000-0xFFFF in every process of the user.
// 0 on failure (empty name, registry unusable or full).
MessageId registerWindowMessage(std::string_view name);

}  // namespace platform
