#include "mousesim/ControlServer.h"

#include <algorithm>
#include <unistd.h>

namespace mousesim {

ControlServer::ControlServer(std::string socketPath, CommandTarget& target)
    : socketPath_(std::move(socketPath)), target_(target)
{
}

ControlServer::~ControlServer() { stop(); }

bool ControlServer::start()
{
    listener_ = listenAt(socketPath_);
    return listener_.valid();
}

void ControlServer::stop()
{
    if (!listener_.valid()) return;
    unlink(socketPath_.c_str());
    listener_.reset();
    connections_.clear();
}

void ControlServer::appendPollEntries(std::vector<pollfd>& entries) const
{
    for (const Connection& connection : connections_)
        entries.push_back({connection.fd.get(), static_cast<short>(connection.waiting ? 0 : POLLIN), 0});
    if (listener_.valid()) entries.push_back({listener_.get(), POLLIN, 0});
}

void ControlServer::handlePollEntries(std::span<const pollfd> entries)
{
    const std::size_t connectionEntries = std::min(entries.size(), connections_.size());
    for (std::size_t i = 0; i < connectionEntries; ++i) {
        Connection& connection = connections_[i];
        if (entries[i].fd != connection.fd.get() || entries[i].revents == 0) continue;
        if (connection.waiting) {
            // Only hang-up or error can be reported for it: the client gave up.
            connection.closing = true;
            continue;
        }
        handleRequest(connection);
    }
    std::erase_if(connections_, [](const Connection& c) { return c.closing; });
    if (connectionEntries < entries.size() && entries[connectionEntries].revents != 0 && listener_.valid()) {
        for (;;) {
            FileDescriptor fd = acceptWaiting(listener_.get());
            if (!fd.valid()) break;
            Connection connection;
            connection.fd = std::move(fd);
            connections_.push_back(std::move(connection));
        }
    }
}

void ControlServer::handleRequest(Connection& connection)
{
    switch (receivePacketNow(connection.fd.get(), packet_, control::kMaxRequest)) {
        case ReceiveResult::NothingYet: return;
        case ReceiveResult::Closed:
        case ReceiveResult::TooLong: connection.closing = true; return;
        case ReceiveResult::Packet: break;
    }
    const auto line = control::decodeRequest(std::string_view(reinterpret_cast<const char*>(packet_.data()), packet_.size()));
    if (!line) {
        reply(connection, {control::Outcome::Usage, "not a request of " + std::string(control::kProtocolTag)});
        return;
    }
    const std::vector<std::string> words = splitWords(*line);
    auto parsed = parseControlCommand(words);
    if (const auto* error = std::get_if<UsageError>(&parsed)) {
        reply(connection, {control::Outcome::Usage, error->message});
        return;
    }
    const ControlCommand& command = std::get<ControlCommand>(parsed);
    if (command.verb == Verb::WaitInputReaders) {
        connection.waiting = true;
        connection.awaitedReaders = command.number;
        connection.deadline = Clock::now() + std::chrono::milliseconds(command.value);
        return;  // answered by answerDueWaits
    }
    reply(connection, target_.execute(command));
}

void ControlServer::answerDueWaits()
{
    const auto now = Clock::now();
    const std::size_t readers = target_.inputReaderCount();
    for (Connection& connection : connections_) {
        if (!connection.waiting || connection.closing) continue;
        if (readers >= connection.awaitedReaders) {
            connection.waiting = false;
            reply(connection, {control::Outcome::Ok, "input-readers " + std::to_string(readers) + "\n"});
        } else if (now >= connection.deadline) {
            connection.waiting = false;
            reply(connection, {control::Outcome::Refused, "only " + std::to_string(readers) + " input readers"});
        }
    }
    std::erase_if(connections_, [](const Connection& c) { return c.closing; });
}

int ControlServer::millisecondsToNextDeadline() const
{
    int earliest = -1;
    const auto now = Clock::now();
    for (const Connection& connection : connections_) {
        if (!connection.waiting) continue;
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(connection.deadline - now).count();
        const int ms = static_cast<int>(std::max<decltype(left)>(left, 0));
        if (earliest < 0 || ms < earliest) earliest = ms;
    }
    return earliest;
}

void ControlServer::reply(Connection& connection, const control::Reply& reply)
{
    if (!sendPacketNow(connection.fd.get(), control::encodeReply(reply))) connection.closing = true;
}

}  // namespace mousesim
