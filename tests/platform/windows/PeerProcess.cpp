#include "tests/platform/windows/PeerProcess.h"

#include <cerrno>
#include <fcntl.h>
#include <csignal>
#include <filesystem>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace windowtest {
namespace {

std::string peerProgram()
{
    return (std::filesystem::read_symlink("/proc/self/exe").parent_path() / "platform_windows_peer").string();
}

}  // namespace

std::unique_ptr<PeerProcess> PeerProcess::start(const std::vector<std::string>& arguments)
{
    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0) return nullptr;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    const std::string program = peerProgram();
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    pid_t pid = -1;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    if (spawned != 0) {
        close(pipeFds[0]);
        return nullptr;
    }
    return std::unique_ptr<PeerProcess>(new PeerProcess(pid, pipeFds[0]));
}

std::unique_ptr<PeerProcess> PeerProcess::startWindow(const std::string& title, platform::WindowHandle& handle)
{
    auto process = start({"window", title});
    if (!process) return nullptr;
    const auto line = process->readLine();
    if (!line || line->rfind("ready ", 0) != 0) return nullptr;
    handle = static_cast<platform::WindowHandle>(std::stoul(line->substr(6)));
    return process;
}

PeerProcess::~PeerProcess()
{
    if (pid_ > 0) kill();
    close(outputFd_);
}

std::optional<std::string> PeerProcess::readLine(std::chrono::milliseconds limit)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    for (;;) {
        const auto newline = pending_.find('\n');
        if (newline != std::string::npos) {
            std::string line = pending_.substr(0, newline);
            pending_.erase(0, newline + 1);
            return line;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) return std::nullopt;
        pollfd fd{outputFd_, POLLIN, 0};
        if (poll(&fd, 1, static_cast<int>(left.count())) <= 0) continue;
        char buffer[256];
        const ssize_t got = read(outputFd_, buffer, sizeof buffer);
        if (got <= 0) {
            ended_ = true;
            return std::nullopt;
        }
        pending_.append(buffer, static_cast<std::size_t>(got));
    }
}

void PeerProcess::kill()
{
    if (pid_ <= 0) return;
    ::kill(pid_, SIGKILL);
    while (waitpid(pid_, nullptr, 0) < 0 && errno == EINTR) {
    }
    pid_ = -1;
}

int PeerProcess::waitForExit(std::chrono::milliseconds limit)
{
    // The end of the output marks the end of the process.
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (readLine(std::chrono::duration_cast<std::chrono::milliseconds>(
               deadline - std::chrono::steady_clock::now()))) {
    }
    int status = 0;
    if (pid_ <= 0 || !ended_ || waitpid(pid_, &status, 0) != pid_) return -1;
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace windowtest
