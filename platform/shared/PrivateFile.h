#pragma once
// The files behind named sections and locks. They live in the user's private
// runtime directory and are used only when they are regular files of ours that no
// one else may read, never through a symbolic link, and never inherited by the
// programs we start.

#include <string>

namespace platform {

// Owns one file descriptor.
class FileDescriptor {
public:
    FileDescriptor() = default;
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor();
    FileDescriptor(FileDescriptor&& other) noexcept : fd_(other.release()) {}
    FileDescriptor& operator=(FileDescriptor&& other) noexcept;
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    int release();

private:
    int fd_ = -1;
};

enum class OpenMode {
    ExistingOnly,     // errno ENOENT when there is no such file
    CreateIfMissing,
    CreateNew,        // errno EEXIST when the name is taken
};

// Opens `path` read/write, creating it with mode 0600 as `mode` allows. Fails with
// errno EPERM when the file is not a regular file of this user closed to others,
// and with ELOOP when it is a symbolic link.
FileDescriptor openPrivateFile(const std::string& path, OpenMode mode);

// flock(2), resumed when a signal interrupts it.
bool lockFile(int fd, int operation);

enum class TryLockResult { Taken, Busy, Failed };
// flock(2) without waiting; `operation` is LOCK_SH or LOCK_EX.
TryLockResult tryLockFile(int fd, int operation);

// Removes `path` only when it still names the file open as `fd`, so that an owner
// never removes a file that someone else has put in its place.
void removeIfSameFile(const std::string& path, int fd);

// Holds an exclusive lock on a guard file for one scope. Looking at a named object
// and then taking or removing it happens under its guard, so that two processes
// never do it at the same time. The guard file itself is never removed: a process
// could otherwise lock a file that has just been replaced.
class GuardFile {
public:
    explicit GuardFile(const std::string& path);
    bool held() const { return held_; }
    GuardFile(const GuardFile&) = delete;
    GuardFile& operator=(const GuardFile&) = delete;

private:
    FileDescriptor fd_;
    bool held_ = false;
};

}  // namespace platform
