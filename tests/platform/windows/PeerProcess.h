#pragma once
// The peer program (platform_windows_peer, built beside the test) run as a child
// process, with its output read line by line.

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <sys/types.h>

#include "platform/Types.h"

namespace windowtest {

class PeerProcess {
public:
    static std::unique_ptr<PeerProcess> start(const std::vector<std::string>& arguments);
    // Starts a peer window and waits for its "ready" line; nullptr when it fails.
    static std::unique_ptr<PeerProcess> startWindow(const std::string& title, platform::WindowHandle& handle);

    ~PeerProcess();  // kills and reaps a peer still running
    PeerProcess(const PeerProcess&) = delete;
    PeerProcess& operator=(const PeerProcess&) = delete;

    // The next line of output without its newline; empty when none comes in time.
    std::optional<std::string> readLine(std::chrono::milliseconds limit = std::chrono::seconds(5));
    // SIGKILL, then reaps the process, so that all its descriptors are closed.
    void kill();
    // The exit status once the process ended by itself; -1 when it did not in time.
    int waitForExit(std::chrono::milliseconds limit = std::chrono::seconds(5));

private:
    PeerProcess(pid_t pid, int outputFd) : pid_(pid), outputFd_(outputFd) {}

    pid_t pid_;
    int outputFd_;
    std::string pending_;
    bool ended_ = false;  // its output reached the end
};

}  // namespace windowtest
