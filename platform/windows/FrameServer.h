#pragma once
// One thread per process that listens on the sockets of this process's windows,
// reads frames from the connections of other processes and hands them to the
// windows' threads: posts into their event queues, sends into their inboxes. The
// results come back here and go out as reply frames. It waits in poll() and is
// woken through an eventfd; a malformed frame closes only its own connection.

#include <cstdint>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/Types.h"
#include "platform/windows/Frame.h"

namespace platform::windows {

class FrameServer {
public:
    static FrameServer& instance();

    FrameServer(const FrameServer&) = delete;
    FrameServer& operator=(const FrameServer&) = delete;

    // Takes over a listening socket of `window`. False when the thread cannot run
    // (the socket is then closed).
    bool addListener(WindowHandle window, int listenFd);
    // Closes the window's socket and its connections; senders waiting on them get 0.
    void removeWindow(WindowHandle window);

private:
    FrameServer();
    ~FrameServer();

    struct Connection {
        std::uint64_t id = 0;
        int fd = -1;
        WindowHandle window = 0;
        FrameReader reader;
        std::vector<std::uint8_t> output;
    };
    struct Listener {
        int fd = -1;
        WindowHandle window = 0;
    };
    // Work handed to the server thread, done in the order it was asked for: a
    // window's last reply goes out before its removal closes the connection.
    struct Request {
        enum class Kind { AddListener, RemoveWindow, Reply } kind = Kind::Reply;
        WindowHandle window = 0;
        int listenFd = -1;
        std::uint64_t connection = 0;
        std::vector<std::uint8_t> reply;
    };

    bool ensureRunning();
    void wake();
    void queueReply(std::uint64_t connection, std::uint32_t serial, LResult result);
    void run();
    void takeRequests();
    void removeListenersOf(WindowHandle window);
    void queueOutput(std::uint64_t connection, const std::vector<std::uint8_t>& bytes);
    void acceptFrom(const Listener& listener);
    // False when the connection must be closed.
    bool readFrom(Connection& connection);
    bool writeTo(Connection& connection);
    bool dispatch(Connection& connection, Frame& frame);
    void closeConnection(std::size_t index);

    // Shared with other threads, under mutex_.
    std::mutex mutex_;
    bool stopping_ = false;
    std::deque<Request> requests_;

    int wakeFd_ = -1;
    std::thread thread_;

    // Owned by the server thread.
    std::vector<Listener> listeners_;
    std::vector<Connection> connections_;
    std::uint64_t nextConnectionId_ = 1;
};

}  // namespace platform::windows
