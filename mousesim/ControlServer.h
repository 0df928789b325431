#pragma once
// The control socket of a running simulator: takes command packets
// (ControlProtocol.h), has them carried out and answers each. A wait for input
// readers is answered later, when the count is reached or its time is up.

#include <chrono>
#include <cstdint>
#include <poll.h>
#include <span>
#include <string>
#include <vector>

#include "mousesim/ControlCommand.h"
#include "mousesim/ControlProtocol.h"
#include "mousesim/SeqPacket.h"

namespace mousesim {

class CommandTarget {
public:
    virtual ~CommandTarget() = default;
    // Every command except the wait.
    virtual control::Reply execute(const ControlCommand& command) = 0;
    virtual std::size_t inputReaderCount() const = 0;
};

class ControlServer {
public:
    ControlServer(std::string socketPath, CommandTarget& target);
    ~ControlServer();
    ControlServer(const ControlServer&) = delete;
    ControlServer& operator=(const ControlServer&) = delete;

    // False when the socket cannot be created.
    bool start();
    // Removes the socket and closes every connection.
    void stop();

    void appendPollEntries(std::vector<pollfd>& entries) const;
    void handlePollEntries(std::span<const pollfd> entries);
    // Answers the waits whose count is reached or whose time is up.
    void answerDueWaits();
    // Milliseconds until the earliest wait runs out; -1 without waits.
    int millisecondsToNextDeadline() const;

private:
    using Clock = std::chrono::steady_clock;
    struct Connection {
        FileDescriptor fd;
        bool closing = false;
        bool waiting = false;  // no further request is read until the wait is answered
        std::size_t awaitedReaders = 0;
        Clock::time_point deadline;
    };

    void handleRequest(Connection& connection);
    void reply(Connection& connection, const control::Reply& reply);

    std::string socketPath_;
    CommandTarget& target_;
    FileDescriptor listener_;
    std::vector<Connection> connections_;
    std::vector<std::uint8_t> packet_;
};

}  // namespace mousesim
