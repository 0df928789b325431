#include "mousesim/ServeProcess.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace mousesim {
namespace {

constexpr std::string_view kRuntimeVariable = "XDG_RUNTIME_DIR=";

std::vector<std::string> childEnvironment(const std::string& runtimeDir)
{
    std::vector<std::string> variables;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        if (std::strncmp(*entry, kRuntimeVariable.data(), kRuntimeVariable.size()) != 0) variables.emplace_back(*entry);
    }
    variables.push_back(std::string(kRuntimeVariable) + runtimeDir);
    return variables;
}

std::vector<char*> pointersTo(std::vector<std::string>& strings)
{
    std::vector<char*> pointers;
    for (std::string& s : strings) pointers.push_back(s.data());
    pointers.push_back(nullptr);
    return pointers;
}

// Waits until `fd` is readable, at most until `deadline`.
bool readableBefore(int fd, std::chrono::steady_clock::time_point deadline)
{
    for (;;) {
        const auto left =
            std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now()).count();
        if (left <= 0) return false;
        pollfd entry{fd, POLLIN, 0};
        const int ready = poll(&entry, 1, static_cast<int>(left));
        if (ready > 0) return true;
        if (ready < 0 && errno != EINTR) return false;
    }
}

}  // namespace

std::unique_ptr<ServeProcess> ServeProcess::start(const ServeSettings& settings, std::string& error)
{
    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0) {
        error = "pipe failed";
        return nullptr;
    }
    std::vector<std::string> arguments = {settings.executable, "serve", "--state", settings.stateFile,
                                          "--log", settings.logFile};
    arguments.insert(arguments.end(), settings.extraArguments.begin(), settings.extraArguments.end());
    std::vector<std::string> environment = childEnvironment(settings.runtimeDir);
    std::vector<char*> argv = pointersTo(arguments);
    std::vector<char*> envp = pointersTo(environment);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    pid_t pid = -1;
    const int spawned = posix_spawn(&pid, settings.executable.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    if (spawned != 0) {
        close(pipeFds[0]);
        error = "cannot start " + settings.executable + ": " + std::strerror(spawned);
        return nullptr;
    }
    std::unique_ptr<ServeProcess> process(new ServeProcess(pid, pipeFds[0]));
    process->pidFd_ = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
    if (!process->awaitReadyLine(settings.readyTimeoutMs)) {
        const auto status = process->stop(settings.readyTimeoutMs);
        error = "the simulator did not come up";
        if (status && WIFEXITED(*status)) error += " (exit status " + std::to_string(WEXITSTATUS(*status)) + ")";
        return nullptr;
    }
    return process;
}

ServeProcess::~ServeProcess()
{
    stop();
    if (output_ >= 0) close(output_);
    if (pidFd_ >= 0) close(pidFd_);
}

bool ServeProcess::awaitReadyLine(int timeoutMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        if (!readableBefore(output_, deadline)) return false;
        char c = 0;
        const ssize_t n = read(output_, &c, 1);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;  // it ended before serving
        if (c == '\n') return true;
    }
}

std::optional<int> ServeProcess::waitForExit(int timeoutMs)
{
    if (exitStatus_) return exitStatus_;
    if (pid_ <= 0) return std::nullopt;
    if (pidFd_ >= 0) {
        if (!readableBefore(pidFd_, std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs)))
            return std::nullopt;
    } else if (timeoutMs > 0) {
        // Without process descriptors only an unbounded wait is left: end it by force.
        ::kill(pid_, SIGKILL);
    }
    int status = 0;
    while (waitpid(pid_, &status, 0) < 0) {
        if (errno != EINTR) return std::nullopt;
    }
    exitStatus_ = status;
    return exitStatus_;
}

std::optional<int> ServeProcess::stop(int timeoutMs)
{
    if (exitStatus_ || pid_ <= 0) return exitStatus_;
    ::kill(pid_, SIGTERM);
    if (const auto status = waitForExit(timeoutMs)) return status;
    kill();
    return std::nullopt;
}

void ServeProcess::kill()
{
    ::kill(pid_, SIGKILL);
    int status = 0;
    while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
    }
    exitStatus_ = status;
}

}  // namespace mousesim
