#pragma once
// A program (a path, or a tool found in PATH) started by a test, its stdout and
// stderr read through one pipe, so a test can block until the program says
// something (bounded by a deadline).

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace testsupport {

using Milliseconds = std::chrono::milliseconds;

class ChildProcess {
public:
    // Starts `arguments[0]` with the test's environment plus `extraEnvironment`
    // ("NAME=value"; "NAME=" removes NAME). nullptr when it cannot be started.
    static std::unique_ptr<ChildProcess> start(const std::vector<std::string>& arguments,
                                               const std::vector<std::string>& extraEnvironment = {});
    ~ChildProcess();  // SIGKILL and reap when still running
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    pid_t pid() const { return pid_; }
    // Blocks until a line of the output contains `text`, or `limit` passes.
    bool waitForLine(const std::string& text, Milliseconds limit);
    // Blocks until `count` lines contain `text`, or `limit` passes.
    bool waitForCount(const std::string& text, std::size_t count, Milliseconds limit);
    // The lines read so far (the last one only once complete).
    std::vector<std::string> lines();
    size_t countLines(const std::string& text);
    // The exit status (WEXITSTATUS) once the program ended within `limit`; its
    // remaining output is read first.
    std::optional<int> waitForExit(Milliseconds limit);
    void signal(int signalNumber);

private:
    ChildProcess(pid_t pid, int output) : pid_(pid), output_(output) {}
    // Reads what is there, waiting at most `limit`; false when nothing more can come.
    bool readSome(Milliseconds limit);
    // Reads everything already written.
    void drain();

    pid_t pid_;
    int output_;
    int pidFd_ = -1;
    std::string pending_;
    std::vector<std::string> lines_;
    std::optional<int> exitStatus_;
};

}  // namespace testsupport
