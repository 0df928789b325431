#pragma once
// The client side of the control socket, for the command line and for tests:
// one connection, any number of commands, each answered before the next.

#include <optional>
#include <string>
#include <string_view>

#include "mousesim/ControlProtocol.h"
#include "mousesim/SeqPacket.h"

namespace mousesim {

class ControlClient {
public:
    // Nothing when no simulator listens at `socketPath`.
    static std::optional<ControlClient> connect(const std::string& socketPath);

    // The simulator's reply; nothing when it went away or did not answer within
    // `timeoutMs` (the connection is then unusable).
    std::optional<control::Reply> send(std::string_view commandLine, int timeoutMs = 10000);

private:
    explicit ControlClient(FileDescriptor fd) : fd_(std::move(fd)) {}
    FileDescriptor fd_;
};

}  // namespace mousesim
