#pragma once
// A `mousesim serve` started as a child process, for tests and benchmarks: its
// own runtime directory, state and log files, and a bounded start and stop.

#include <memory>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace mousesim {

struct ServeSettings {
    std::string executable;  // the mousesim program
    std::string runtimeDir;  // the child's XDG_RUNTIME_DIR
    std::string stateFile;
    std::string logFile;
    std::vector<std::string> extraArguments;  // e.g. "--vendor", "0xFFFF"
    int readyTimeoutMs = 5000;
};

class ServeProcess {
public:
    // Starts the simulator and waits until it serves. Nothing, with `error` set,
    // when it does not come up in time (it is then stopped).
    static std::unique_ptr<ServeProcess> start(const ServeSettings& settings, std::string& error);
    ~ServeProcess();
    ServeProcess(const ServeProcess&) = delete;
    ServeProcess& operator=(const ServeProcess&) = delete;

    pid_t pid() const { return pid_; }

    // Sends SIGTERM and waits up to `timeoutMs` for the exit. The wait status, or
    // nothing when the process had to be killed.
    std::optional<int> stop(int timeoutMs = 5000);
    // Waits up to `timeoutMs` for the process to end by itself.
    std::optional<int> waitForExit(int timeoutMs);

private:
    ServeProcess(pid_t pid, int output) : pid_(pid), output_(output) {}
    bool awaitReadyLine(int timeoutMs);
    void kill();

    pid_t pid_ = -1;
    int output_ = -1;
    int pidFd_ = -1;
    std::optional<int> exitStatus_;
};

}  // namespace mousesim
