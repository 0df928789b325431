#pragma once
// The message machinery of one thread that owns windows: their listening sockets
// and connections, their timers and the queue of posted messages. It lives in the
// thread's Qt event loop; a sender of the same thread that waits for an answer
// drives it by hand, so that sends addressed to this thread keep being handled
// while it waits.

#include <QObject>

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include <poll.h>

#include "platform/Types.h"

class QSocketNotifier;

namespace platform {
class MessageHandler;
}

namespace platform::msgwin {

class ThreadDispatcher : public QObject {
public:
    // The calling thread's dispatcher; nullptr when it has none.
    static ThreadDispatcher* current();
    // Creates it when missing; nullptr without a Qt application object.
    static ThreadDispatcher* ensureCurrent();

    ~ThreadDispatcher() override;

    void addWindow(WindowHandle window, MessageHandler& handler, int listenFd);
    void removeWindow(WindowHandle window);

    // Runs the window's handler now; 0 when the window is gone.
    LResult deliverMessage(WindowHandle window, MessageId message, WParam wParam, LParam lParam);
    LResult deliverCopyData(WindowHandle window, WindowHandle sender, std::uint32_t dwData,
                            const std::uint8_t* data, std::size_t size);

    // Queues the message for this thread's event loop. Safe from any thread.
    void queuePost(WindowHandle window, MessageId message, WParam wParam, LParam lParam);

    void setTimer(WindowHandle window, std::uint32_t id, std::uint32_t intervalMs);
    void killTimer(WindowHandle window, std::uint32_t id);

    // For a waiting sender of this thread: the descriptors to watch, and the
    // handling of those poll() marked, starting at `first`.
    void appendServiceFds(std::vector<pollfd>& fds) const;
    void serviceFds(const std::vector<pollfd>& fds, std::size_t first);

protected:
    bool event(QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    struct Window {
        MessageHandler* handler = nullptr;
        int listenFd = -1;
        QSocketNotifier* notifier = nullptr;
    };
    struct Connection;

    ThreadDispatcher();
    void acceptConnections(WindowHandle window);
    void readConnection(const std::shared_ptr<Connection>& connection);
    // False when the connection had to be closed.
    bool handleFrame(const std::shared_ptr<Connection>& connection);
    void answer(const std::shared_ptr<Connection>& connection, LResult result);
    void closeConnection(const std::shared_ptr<Connection>& connection);
    void killTimersOf(WindowHandle window);

    std::map<WindowHandle, Window> windows_;
    std::map<int, std::shared_ptr<Connection>> connections_;                  // by descriptor
    std::map<int, std::pair<WindowHandle, std::uint32_t>> timers_;            // by Qt timer id
};

}  // namespace platform::msgwin
