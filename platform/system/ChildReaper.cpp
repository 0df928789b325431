#include "platform/system/ChildReaper.h"

#include <cerrno>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace platform {

class ChildReaper::Impl {
public:
    Impl() : wakeFd_(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

    ~Impl()
    {
        {
            std::lock_guard lock(mutex_);
            stopping_ = true;
        }
        wake();
        if (thread_.joinable()) thread_.join();
        for (const Child& child : children_) close(child.pidFd);
        if (wakeFd_ >= 0) close(wakeFd_);
    }

    bool adopt(pid_t pid)
    {
        const int pidFd = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
        if (pidFd < 0 || wakeFd_ < 0) {
            // Kernels without process descriptors: a thread of its own that ends
            // with the child still keeps it from staying a zombie.
            if (pidFd >= 0) close(pidFd);
            std::thread([pid] {
                while (waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
                }
            }).detach();
            return false;
        }
        {
            std::lock_guard lock(mutex_);
            children_.push_back({pid, pidFd});
            if (!thread_.joinable()) thread_ = std::thread([this] { run(); });
        }
        wake();
        return true;
    }

    bool waitUntilReaped(pid_t pid, std::chrono::milliseconds timeout) const
    {
        std::unique_lock lock(mutex_);
        return reaped_.wait_for(lock, timeout, [this, pid] {
            for (const Child& child : children_)
                if (child.pid == pid) return false;
            return true;
        });
    }

private:
    struct Child {
        pid_t pid;
        int pidFd;
    };

    void wake()
    {
        const std::uint64_t one = 1;
        if (wakeFd_ >= 0) (void)!write(wakeFd_, &one, sizeof one);
    }

    void run()
    {
        std::vector<pollfd> descriptors;
        for (;;) {
            descriptors.clear();
            descriptors.push_back({wakeFd_, POLLIN, 0});
            {
                std::lock_guard lock(mutex_);
                if (stopping_) return;
                for (const Child& child : children_) descriptors.push_back({child.pidFd, POLLIN, 0});
            }
            if (poll(descriptors.data(), descriptors.size(), -1) < 0) {
                if (errno == EINTR) continue;
                return;
            }
            if (descriptors[0].revents & POLLIN) {
                std::uint64_t count = 0;
                (void)!read(wakeFd_, &count, sizeof count);
            }
            for (std::size_t i = 1; i < descriptors.size(); ++i)
                if (descriptors[i].revents != 0) reap(descriptors[i].fd);
        }
    }

    // A process descriptor turns readable when its process has ended.
    void reap(int pidFd)
    {
        std::lock_guard lock(mutex_);
        for (auto it = children_.begin(); it != children_.end(); ++it) {
            if (it->pidFd != pidFd) continue;
            while (waitpid(it->pid, nullptr, 0) < 0 && errno == EINTR) {
            }
            close(it->pidFd);
            children_.erase(it);
            reaped_.notify_all();
            return;
        }
    }

    const int wakeFd_;
    mutable std::mutex mutex_;
    mutable std::condition_variable reaped_;
    std::vector<Child> children_;
    bool stopping_ = false;
    std::thread thread_;
};

ChildReaper& ChildReaper::instance()
{
    static ChildReaper reaper;
    return reaper;
}

ChildReaper::ChildReaper() : impl_(std::make_unique<Impl>()) {}
ChildReaper::~ChildReaper() = default;

bool ChildReaper::adopt(pid_t pid) { return impl_->adopt(pid); }
bool ChildReaper::waitUntilReaped(pid_t pid, std::chrono::milliseconds timeout) const
{
    return impl_->waitUntilReaped(pid, timeout);
}

}  // namespace platform
