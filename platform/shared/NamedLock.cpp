#include "platform/shared/NamedLock.h"

#include <atomic>
#include <cerrno>
#include <mutex>
#include <string>
#include <sys/file.h>
#include <thread>

#include "platform/shared/PrivateFile.h"
#include "platform/system/RuntimeDirectory.h"

// A lock is two files in the runtime directory. Every handle holds a shared flock
// on the "handles" file for as long as it lives, so the lock exists exactly while
// someone holds such a flock: an exclusive try that succeeds means no one else has
// a handle. Locking takes an exclusive flock on the "lock" file. The kernel drops
// both when a process dies, however it dies.

namespace platform {
namespace {

constexpr std::string_view kLockSuffix = ".lock";
constexpr std::string_view kHandlesSuffix = ".lock-handles";
constexpr std::string_view kGuardSuffix = ".lock-guard";

struct LockPaths {
    std::string lock;
    std::string handles;
    std::string guard;
};

bool lockPaths(std::string_view name, LockPaths& paths)
{
    const std::string folder = runtimeDirectory();
    if (folder.empty()) return false;
    paths.lock = folder + runtimeFileName(name, kLockSuffix);
    paths.handles = folder + runtimeFileName(name, kHandlesSuffix);
    paths.guard = folder + runtimeFileName(name, kGuardSuffix);
    return true;
}

class FileNamedLock final : public NamedLock {
public:
    FileNamedLock(LockPaths paths, FileDescriptor handles, FileDescriptor lock)
        : paths_(std::move(paths)), handles_(std::move(handles)), lock_(std::move(lock))
    {
    }

    ~FileNamedLock() override
    {
        // The last handle removes the files; under the guard, so that no one
        // takes a handle in between.
        GuardFile guard(paths_.guard);
        if (guard.held() && tryLockFile(handles_.get(), LOCK_EX) == TryLockResult::Taken) {
            removeIfSameFile(paths_.lock, lock_.get());
            removeIfSameFile(paths_.handles, handles_.get());
        }
        handles_ = FileDescriptor();
        lock_ = FileDescriptor();
    }

    // Like a mutex of the system it replaces, the lock may be taken again by the
    // thread that holds it, and is free once each lock() has had its unlock().
    bool lock() override
    {
        const std::thread::id self = std::this_thread::get_id();
        if (holder_.load() == self) {
            ++depth_;
            return true;
        }
        // flock does not exclude two threads using one descriptor.
        threads_.lock();
        if (!lockFile(lock_.get(), LOCK_EX)) {
            threads_.unlock();
            return false;
        }
        holder_.store(self);
        depth_ = 1;
        return true;
    }

    void unlock() override
    {
        if (holder_.load() != std::this_thread::get_id()) return;
        if (--depth_ > 0) return;
        holder_.store(std::thread::id());
        lockFile(lock_.get(), LOCK_UN);
        threads_.unlock();
    }

private:
    LockPaths paths_;
    FileDescriptor handles_;
    FileDescriptor lock_;
    std::mutex threads_;
    std::atomic<std::thread::id> holder_{};
    unsigned depth_ = 0;  // only touched by the holder
};

// Takes a handle's shared hold on the handles file. `othersHaveHandles` tells
// whether someone else held one already. Called under the guard, which makes the
// exclusive try and the step down to shared one step for other processes.
bool takeHandle(int handles, bool& othersHaveHandles)
{
    switch (tryLockFile(handles, LOCK_EX)) {
    case TryLockResult::Taken:
        othersHaveHandles = false;
        break;
    case TryLockResult::Busy:
        othersHaveHandles = true;
        break;
    case TryLockResult::Failed:
        return false;
    }
    return lockFile(handles, LOCK_SH);
}

std::unique_ptr<NamedLock> makeLock(std::string_view name, bool mayCreate, bool* alreadyExisted)
{
    LockPaths paths;
    if (!lockPaths(name, paths)) return nullptr;
    GuardFile guard(paths.guard);
    if (!guard.held()) return nullptr;

    const OpenMode mode = mayCreate ? OpenMode::CreateIfMissing : OpenMode::ExistingOnly;
    FileDescriptor handles = openPrivateFile(paths.handles, mode);
    if (!handles.valid()) return nullptr;
    bool existed = false;
    if (!takeHandle(handles.get(), existed)) return nullptr;
    // Without another handle the files were left by a process that died: a fresh
    // lock to create(), no lock at all to open().
    if (!existed && !mayCreate) return nullptr;

    FileDescriptor lock = openPrivateFile(paths.lock, mode);
    if (!lock.valid()) return nullptr;
    if (alreadyExisted) *alreadyExisted = existed;
    return std::make_unique<FileNamedLock>(std::move(paths), std::move(handles), std::move(lock));
}

}  // namespace

std::unique_ptr<NamedLock> NamedLock::create(std::string_view name, bool* alreadyExisted)
{
    if (alreadyExisted) *alreadyExisted = false;
    return makeLock(name, true, alreadyExisted);
}

std::unique_ptr<NamedLock> NamedLock::open(std::string_view name)
{
    return makeLock(name, false, nullptr);
}

}  // namespace platform
