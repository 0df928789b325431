#include "platform/windows/WindowFiles.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/system/RuntimeDirectory.h"

namespace platform::windows {
namespace {

constexpr const char* kFolderName = "windows";
constexpr const char* kCounterName = "next-handle";
constexpr const char* kTitlePrefix = "title-";
constexpr const char* kLockSuffix = ".lock";
constexpr const char* kSocketSuffix = ".sock";
// Handles start above the small numbers so that a message number or a count
// passed by mistake does not name a window.
constexpr WindowHandle kFirstHandle = 0x00010000;
constexpr int kAllocationAttempts = 4096;

std::string handleText(WindowHandle window)
{
    char text[9];
    std::snprintf(text, sizeof text, "%08x", window);
    return text;
}

bool parseHandleText(std::string_view text, WindowHandle& out)
{
    if (text.size() != 8) return false;
    WindowHandle value = 0;
    for (char c : text) {
        int digit = 0;
        if (c >= '0' && c <= '9') digit = c - '0';
        else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        else return false;
        value = (value << 4) | static_cast<WindowHandle>(digit);
    }
    out = value;
    return value != 0;
}

std::string titleIndexPrefix(std::string_view title)
{
    return kTitlePrefix + runtimeFileName(title, "") + "-";
}

bool isPrivateFolder(const std::string& path)
{
    struct stat st {};
    if (lstat(path.c_str(), &st) != 0) return false;
    return S_ISDIR(st.st_mode) && st.st_uid == geteuid() && (st.st_mode & 077) == 0;
}

bool endsWith(std::string_view text, std::string_view suffix)
{
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

template <typename Visit>
void forEachEntry(const std::string& folder, Visit visit)
{
    DIR* dir = opendir(folder.c_str());
    if (!dir) return;
    while (const dirent* entry = readdir(dir)) visit(std::string_view(entry->d_name));
    closedir(dir);
}

void removeTitleIndexes(const std::string& folder, WindowHandle window)
{
    const std::string suffix = "-" + handleText(window);
    std::vector<std::string> doomed;
    forEachEntry(folder, [&](std::string_view name) {
        if (name.starts_with(kTitlePrefix) && endsWith(name, suffix)) doomed.emplace_back(name);
    });
    for (const auto& name : doomed) unlink((folder + name).c_str());
}

void removeDeadWindowFiles(const std::string& folder, WindowHandle window, int lockedFd)
{
    unlink(socketPath(folder, window).c_str());
    removeTitleIndexes(folder, window);
    // Remove the lock file only if it is still the one we locked.
    const std::string lockPath = lockFilePath(folder, window);
    struct stat held {}, named {};
    if (fstat(lockedFd, &held) == 0 && stat(lockPath.c_str(), &named) == 0 &&
        held.st_dev == named.st_dev && held.st_ino == named.st_ino)
        unlink(lockPath.c_str());
}

bool readExactly(int fd, std::string& out, std::size_t size)
{
    out.assign(size, '\0');
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = read(fd, out.data() + done, size - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool writeAllTo(int fd, const void* data, std::size_t size)
{
    const auto* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t n = write(fd, bytes, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

bool indexHoldsTitle(const std::string& path, std::string_view title)
{
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) return false;
    struct stat st {};
    bool same = false;
    if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode) &&
        static_cast<std::size_t>(st.st_size) == title.size()) {
        std::string stored;
        same = readExactly(fd, stored, title.size()) && stored == title;
    }
    close(fd);
    return same;
}

class FileLock {
public:
    explicit FileLock(int fd) : fd_(fd)
    {
        while (fd_ >= 0 && flock(fd_, LOCK_EX) != 0) {
            if (errno != EINTR) {
                close(fd_);
                fd_ = -1;
            }
        }
    }
    ~FileLock()
    {
        if (fd_ >= 0) close(fd_);  // closing releases the lock
    }
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    int fd() const { return fd_; }

private:
    int fd_;
};

}  // namespace

std::string windowsFolder()
{
    const std::string runtime = runtimeDirectory();
    if (runtime.empty()) return {};
    const std::string folder = runtime + kFolderName;
    if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return {};
    if (!isPrivateFolder(folder)) return {};
    return folder + "/";
}

std::string lockFilePath(const std::string& folder, WindowHandle window)
{
    return folder + handleText(window) + kLockSuffix;
}

std::string socketPath(const std::string& folder, WindowHandle window)
{
    return folder + handleText(window) + kSocketSuffix;
}

std::string titleIndexPath(const std::string& folder, std::string_view title, WindowHandle window)
{
    return folder + titleIndexPrefix(title) + handleText(window);
}

WindowState probeWindow(const std::string& folder, WindowHandle window)
{
    if (window == 0) return WindowState::Missing;
    const int fd = open(lockFilePath(folder, window).c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) return WindowState::Missing;
    // A shared lock, so that two processes probing the same dead window both see
    // it dead instead of one seeing the other's probe as a live owner.
    if (flock(fd, LOCK_SH | LOCK_NB) != 0) {
        close(fd);
        return WindowState::Alive;
    }
    removeDeadWindowFiles(folder, window, fd);
    close(fd);
    return WindowState::Dead;
}

WindowHandle allocateHandle(const std::string& folder)
{
    FileLock counter(open((folder + kCounterName).c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600));
    if (counter.fd() < 0) return 0;

    std::uint8_t stored[4] = {};
    WindowHandle next = 0;
    if (pread(counter.fd(), stored, sizeof stored, 0) == static_cast<ssize_t>(sizeof stored))
        next = stored[0] | (stored[1] << 8) | (stored[2] << 16) | (static_cast<WindowHandle>(stored[3]) << 24);

    for (int attempt = 0; attempt < kAllocationAttempts; ++attempt) {
        ++next;
        if (next < kFirstHandle) next = kFirstHandle;  // also skips 0 after wrapping
        if (probeWindow(folder, next) == WindowState::Alive) continue;
        for (int i = 0; i < 4; ++i) stored[i] = static_cast<std::uint8_t>(next >> (8 * i));
        if (pwrite(counter.fd(), stored, sizeof stored, 0) != static_cast<ssize_t>(sizeof stored)) return 0;
        return next;
    }
    return 0;
}

int createLockFile(const std::string& folder, WindowHandle window)
{
    static std::atomic<unsigned> sequence{0};
    const std::string pending = folder + "pending-" + std::to_string(getpid()) + "-" +
                                std::to_string(sequence.fetch_add(1)) + kLockSuffix;
    const int fd = open(pending.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) return -1;
    if (flock(fd, LOCK_EX | LOCK_NB) != 0 || rename(pending.c_str(), lockFilePath(folder, window).c_str()) != 0) {
        unlink(pending.c_str());
        close(fd);
        return -1;
    }
    return fd;
}

std::vector<WindowHandle> listWindowHandles(const std::string& folder)
{
    std::vector<WindowHandle> handles;
    forEachEntry(folder, [&](std::string_view name) {
        WindowHandle window = 0;
        if (endsWith(name, kLockSuffix) &&
            parseHandleText(name.substr(0, name.size() - std::strlen(kLockSuffix)), window))
            handles.push_back(window);
    });
    return handles;
}

std::vector<WindowHandle> windowsWithTitle(const std::string& folder, std::string_view title)
{
    const std::string prefix = titleIndexPrefix(title);
    std::vector<WindowHandle> handles;
    forEachEntry(folder, [&](std::string_view name) {
        WindowHandle window = 0;
        if (name.starts_with(prefix) && parseHandleText(name.substr(prefix.size()), window) &&
            indexHoldsTitle(folder + std::string(name), title))
            handles.push_back(window);
    });
    return handles;
}

bool writeTitleIndex(const std::string& folder, std::string_view title, WindowHandle window)
{
    const std::string path = titleIndexPath(folder, title, window);
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) return false;
    const bool written = writeAllTo(fd, title.data(), title.size());
    close(fd);
    if (!written) unlink(path.c_str());
    return written;
}

}  // namespace platform::windows
