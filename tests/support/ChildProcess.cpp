#include "tests/support/ChildProcess.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace testsupport {
namespace {

std::vector<std::string> mergedEnvironment(const std::vector<std::string>& extra)
{
    std::vector<std::string> environment;
    for (char** entry = environ; *entry; ++entry)
        environment.emplace_back(*entry);
    for (const std::string& assignment : extra) {
        const std::string name = assignment.substr(0, assignment.find('=') + 1);
        std::erase_if(environment, [&](const std::string& e) { return e.starts_with(name); });
        if (assignment.size() > name.size())
            environment.push_back(assignment);
    }
    return environment;
}

std::vector<char*> pointersTo(std::vector<std::string>& strings)
{
    std::vector<char*> pointers;
    for (std::string& s : strings)
        pointers.push_back(s.data());
    pointers.push_back(nullptr);
    return pointers;
}

}  // namespace

std::unique_ptr<ChildProcess> ChildProcess::start(const std::vector<std::string>& arguments,
                                                  const std::vector<std::string>& extraEnvironment)
{
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0)
        return nullptr;
    std::vector<std::string> argumentCopy = arguments;
    std::vector<std::string> environment = mergedEnvironment(extraEnvironment);
    std::vector<char*> argv = pointersTo(argumentCopy);
    std::vector<char*> envp = pointersTo(environment);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDERR_FILENO);
    pid_t pid = -1;
    // A bare name (a tool) is looked up in PATH.
    const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (spawned != 0) {
        close(fds[0]);
        return nullptr;
    }
    std::unique_ptr<ChildProcess> child(new ChildProcess(pid, fds[0]));
    child->pidFd_ = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
    return child;
}

ChildProcess::~ChildProcess()
{
    if (!exitStatus_) {
        kill(pid_, SIGKILL);
        int status = 0;
        waitpid(pid_, &status, 0);
    }
    close(output_);
    if (pidFd_ >= 0)
        close(pidFd_);
}

bool ChildProcess::readSome(Milliseconds limit)
{
    pollfd entry{output_, POLLIN, 0};
    const int ready = poll(&entry, 1, static_cast<int>(limit.count()));
    if (ready <= 0)
        return ready == 0 || errno == EINTR;
    char buffer[4096];
    const ssize_t got = read(output_, buffer, sizeof buffer);
    if (got <= 0)
        return false;
    pending_.append(buffer, static_cast<std::size_t>(got));
    std::size_t end;
    while ((end = pending_.find('\n')) != std::string::npos) {
        lines_.push_back(pending_.substr(0, end));
        pending_.erase(0, end + 1);
    }
    return true;
}

void ChildProcess::drain()
{
    pollfd entry{output_, POLLIN, 0};
    while (poll(&entry, 1, 0) > 0 && readSome(Milliseconds(0))) {
    }
}

bool ChildProcess::waitForLine(const std::string& text, Milliseconds limit)
{
    return waitForCount(text, 1, limit);
}

bool ChildProcess::waitForCount(const std::string& text, std::size_t count, Milliseconds limit)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (true) {
        drain();
        std::size_t found = 0;
        for (const std::string& line : lines_)
            if (line.find(text) != std::string::npos && ++found >= count)
                return true;
        const auto left = std::chrono::duration_cast<Milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || !readSome(left))
            return false;
    }
}

std::vector<std::string> ChildProcess::lines()
{
    drain();
    return lines_;
}

size_t ChildProcess::countLines(const std::string& text)
{
    size_t count = 0;
    for (const std::string& line : lines())
        if (line.find(text) != std::string::npos)
            ++count;
    return count;
}

std::optional<int> ChildProcess::waitForExit(Milliseconds limit)
{
    if (exitStatus_)
        return exitStatus_;
    if (pidFd_ >= 0) {
        pollfd entry{pidFd_, POLLIN, 0};
        if (poll(&entry, 1, static_cast<int>(limit.count())) <= 0)
            return std::nullopt;
    }
    int status = 0;
    if (waitpid(pid_, &status, 0) != pid_)
        return std::nullopt;
    drain();
    exitStatus_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return exitStatus_;
}

void ChildProcess::signal(int signalNumber)
{
    if (!exitStatus_)
        kill(pid_, signalNumber);
}

}  // namespace testsupport
