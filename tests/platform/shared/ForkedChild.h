#pragma once
// Runs a function in a forked child process and exchanges single bytes with it
// over two pipes. Every wait has a time limit, so a broken child fails a test
// instead of hanging it. Objects that should belong to the child must be made in
// the child: a forked child shares the open files of its parent.

#include <cerrno>
#include <chrono>
#include <csignal>
#include <functional>
#include <optional>

#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace testsupport {

using namespace std::chrono_literals;

inline constexpr std::chrono::milliseconds kPromptly = 5s;

inline std::optional<char> readByte(int fd, std::chrono::milliseconds limit)
{
    pollfd p{fd, POLLIN, 0};
    int ready;
    do {
        ready = poll(&p, 1, static_cast<int>(limit.count()));
    } while (ready < 0 && errno == EINTR);
    if (ready <= 0) return std::nullopt;
    char c;
    ssize_t n;
    do {
        n = read(fd, &c, 1);
    } while (n < 0 && errno == EINTR);
    if (n != 1) return std::nullopt;
    return c;
}

inline bool writeByte(int fd, char c)
{
    ssize_t n;
    do {
        n = write(fd, &c, 1);
    } while (n < 0 && errno == EINTR);
    return n == 1;
}

// The child's end of the pipes.
class ParentLink {
public:
    ParentLink(int in, int out) : in_(in), out_(out) {}
    bool send(char c) { return writeByte(out_, c); }
    std::optional<char> receive(std::chrono::milliseconds limit = kPromptly) { return readByte(in_, limit); }

private:
    int in_;
    int out_;
};

class ForkedChild {
public:
    // The child runs `body` and ends with its result as exit code.
    explicit ForkedChild(const std::function<int(ParentLink&)>& body)
    {
        int down[2];
        int up[2];
        if (pipe2(down, O_CLOEXEC) != 0) return;
        if (pipe2(up, O_CLOEXEC) != 0) {
            close(down[0]);
            close(down[1]);
            return;
        }
        pid_ = fork();
        if (pid_ == 0) {
            prctl(PR_SET_PDEATHSIG, SIGKILL);
            close(down[1]);
            close(up[0]);
            ParentLink link(down[0], up[1]);
            _exit(body(link));
        }
        close(down[0]);
        close(up[1]);
        toChild_ = down[1];
        fromChild_ = up[0];
        if (pid_ < 0) closePipes();
    }

    ~ForkedChild()
    {
        kill();
        closePipes();
    }

    ForkedChild(const ForkedChild&) = delete;
    ForkedChild& operator=(const ForkedChild&) = delete;

    bool started() const { return pid_ > 0; }
    bool send(char c) { return toChild_ >= 0 && writeByte(toChild_, c); }
    std::optional<char> receive(std::chrono::milliseconds limit = kPromptly)
    {
        if (fromChild_ < 0) return std::nullopt;
        return readByte(fromChild_, limit);
    }

    // Waits up to `limit` for the child to end and returns its exit code; -1 when
    // a signal ended it or when it had to be killed for taking too long.
    int wait(std::chrono::milliseconds limit = kPromptly)
    {
        if (pid_ <= 0) return -1;
        // The child's end of the pipe closes when it exits.
        const auto deadline = std::chrono::steady_clock::now() + limit;
        for (;;) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            pollfd p{fromChild_, POLLIN, 0};
            if (left.count() <= 0 || poll(&p, 1, static_cast<int>(left.count())) == 0) {
                kill();
                return -1;
            }
            char c;
            if (read(fromChild_, &c, 1) == 0) break;
        }
        int status = 0;
        while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
        }
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    // Ends the child with SIGKILL and reaps it.
    void kill()
    {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGKILL);
        while (waitpid(pid_, nullptr, 0) < 0 && errno == EINTR) {
        }
        pid_ = -1;
    }

private:
    void closePipes()
    {
        if (toChild_ >= 0) close(toChild_);
        if (fromChild_ >= 0) close(fromChild_);
        toChild_ = fromChild_ = -1;
    }

    pid_t pid_ = -1;
    int toChild_ = -1;
    int fromChild_ = -1;
};

// In a child of a process running as root: becomes the unprivileged user "nobody".
inline constexpr uid_t kNobody = 65534;

inline bool becomeNobody()
{
    return setgroups(0, nullptr) == 0 && setgid(kNobody) == 0 && setuid(kNobody) == 0 &&
           geteuid() == kNobody;
}

}  // namespace testsupport
