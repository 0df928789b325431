#pragma once
// A named lock shared by the processes of one user, in place of a named mutex.
// It exists while some process holds a handle to it; a process that dies (even by
// SIGKILL) releases both its hold and its handle. Handles are not inherited by
// programs a process starts; a forked child must open its own.

#include <memory>
#include <string_view>

namespace platform {

class NamedLock {
public:
    // Creates the lock, or opens it when it exists already; `alreadyExisted`
    // (optional) tells which. nullptr on failure.
    static std::unique_ptr<NamedLock> create(std::string_view name, bool* alreadyExisted = nullptr);
    // Opens an existing lock; nullptr when no process has it.
    static std::unique_ptr<NamedLock> open(std::string_view name);

    virtual ~NamedLock() = default;

    // Waits without limit. False when the wait fails; the lock is then not held.
    // The holding thread may lock again; the lock is free once every lock() has
    // had its unlock().
    virtual bool lock() = 0;
    // Does nothing unless the calling thread holds the lock.
    virtual void unlock() = 0;

protected:
    NamedLock() = default;
    NamedLock(const NamedLock&) = delete;
    NamedLock& operator=(const NamedLock&) = delete;
};

// Holds a lock for one scope.
class NamedLockGuard {
public:
    explicit NamedLockGuard(NamedLock& lock) : lock_(lock), held_(lock.lock()) {}
    ~NamedLockGuard() { if (held_) lock_.unlock(); }
    bool held() const { return held_; }
    NamedLockGuard(const NamedLockGuard&) = delete;
    NamedLockGuard& operator=(const NamedLockGuard&) = delete;

private:
    NamedLock& lock_;
    bool held_;
};

}  // namespace platform
