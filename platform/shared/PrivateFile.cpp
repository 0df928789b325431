#include "platform/shared/PrivateFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

FileDescriptor::~FileDescriptor()
{
    if (fd_ >= 0) ::close(fd_);
}

FileDescriptor& FileDescriptor::operator=(FileDescriptor&& other) noexcept
{
    if (this != &other) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = other.release();
    }
    return *this;
}

int FileDescriptor::release()
{
    const int fd = fd_;
    fd_ = -1;
    return fd;
}

namespace {

bool isPrivateRegularFile(int fd)
{
    struct stat st {};
    if (fstat(fd, &st) != 0) return false;
    return S_ISREG(st.st_mode) && st.st_uid == geteuid() && (st.st_mode & 077) == 0;
}

}  // namespace

FileDescriptor openPrivateFile(const std::string& path, OpenMode mode)
{
    int flags = O_RDWR | O_CLOEXEC | O_NOFOLLOW | O_NOCTTY;
    if (mode == OpenMode::CreateIfMissing) flags |= O_CREAT;
    if (mode == OpenMode::CreateNew) flags |= O_CREAT | O_EXCL;

    int fd;
    do {
        fd = ::open(path.c_str(), flags, 0600);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) return {};

    if (!isPrivateRegularFile(fd)) {
        ::close(fd);
        errno = EPERM;  // after close, which must not hide it
        return {};
    }
    return FileDescriptor(fd);
}

bool lockFile(int fd, int operation)
{
    while (flock(fd, operation) != 0) {
        if (errno != EINTR) return false;
    }
    return true;
}

TryLockResult tryLockFile(int fd, int operation)
{
    if (lockFile(fd, operation | LOCK_NB)) return TryLockResult::Taken;
    return errno == EWOULDBLOCK ? TryLockResult::Busy : TryLockResult::Failed;
}

void removeIfSameFile(const std::string& path, int fd)
{
    struct stat named {};
    struct stat held {};
    if (lstat(path.c_str(), &named) != 0 || fstat(fd, &held) != 0) return;
    if (named.st_dev == held.st_dev && named.st_ino == held.st_ino) ::unlink(path.c_str());
}

GuardFile::GuardFile(const std::string& path)
    : fd_(openPrivateFile(path, OpenMode::CreateIfMissing))
{
    held_ = fd_.valid() && lockFile(fd_.get(), LOCK_EX);
}

}  // namespace platform
