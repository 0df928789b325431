#include "platform/windows/WindowFiles.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/system/RuntimeDirectory.h"
#include "platform/windows/LocalSocket.h"

namespace platform::msgwin {
namespace {

constexpr WindowHandle kFirstHandle = 0x00010000;
constexpr int kClaimAttempts = 8;
constexpr int kAllocationAttempts = 4096;

std::string hex8(WindowHandle window)
{
    char text[9];
    std::snprintf(text, sizeof text, "%08x", window);
    return text;
}

std::string titleHash(std::string_view title)
{
    std::uint64_t hash = 0xcbf29ce484222325ULL;  // FNV-1a
    for (unsigned char c : title) {
        hash ^= c;
        hash *= 0x100000001b3ULL;
    }
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

// Parses exactly eight lowercase hex digits.
bool parseHex8(std::string_view text, WindowHandle& window)
{
    if (text.size() != 8) return false;
    WindowHandle value = 0;
    for (char c : text) {
        int digit;
        if (c >= '0' && c <= '9') digit = c - '0';
        else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        else return false;
        value = value * 16 + static_cast<WindowHandle>(digit);
    }
    window = value;
    return window != 0;
}

std::vector<std::string> folderEntries(const std::string& folder)
{
    std::vector<std::string> names;
    DIR* dir = opendir(folder.c_str());
    if (!dir) return names;
    while (const dirent* entry = readdir(dir)) names.emplace_back(entry->d_name);
    closedir(dir);
    return names;
}

bool sameFile(int fd, const std::string& path)
{
    struct stat opened {}, named {};
    if (fstat(fd, &opened) != 0 || lstat(path.c_str(), &named) != 0) return false;
    return opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

bool readWholeFile(const std::string& path, std::string& content, std::size_t limit)
{
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) return false;
    content.clear();
    char buffer[4096];
    bool ok = true;
    for (;;) {
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) { ok = false; break; }
        if (got == 0) break;
        content.append(buffer, static_cast<std::size_t>(got));
        if (content.size() > limit) { ok = false; break; }
    }
    close(fd);
    return ok;
}

bool writeAll(int fd, const char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t written = write(fd, data, size);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

// Title index entries of one window: "t-" + 16 hex digits + "-" + handle.
bool isTitleEntryOf(const std::string& name, const std::string& handleText)
{
    return name.size() == 2 + 16 + 1 + 8 && name.compare(0, 2, "t-") == 0 &&
           name.compare(name.size() - 9, 9, "-" + handleText) == 0;
}

void removeFilesOf(const std::string& folder, WindowHandle window)
{
    const std::string handleText = hex8(window);
    for (const std::string& name : folderEntries(folder))
        if (isTitleEntryOf(name, handleText)) unlink((folder + name).c_str());
    unlink(socketPath(folder, window).c_str());
}

// The next handle from the shared counter; 0 when the counter cannot be used.
WindowHandle allocateHandle(const std::string& folder, const std::function<bool(WindowHandle)>& inUse)
{
    const std::string path = folder + "next-handle";
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) return 0;
    if (flock(fd, LOCK_EX) != 0) {
        close(fd);
        return 0;
    }
    char text[32] = {};
    const ssize_t got = pread(fd, text, sizeof text - 1, 0);
    WindowHandle next = kFirstHandle;
    if (got > 0) {
        char* end = nullptr;
        const unsigned long long value = std::strtoull(text, &end, 16);
        if (end != text && value != 0 && value <= 0xFFFFFFFFull) next = static_cast<WindowHandle>(value);
    }
    WindowHandle chosen = 0;
    for (int attempt = 0; attempt < kAllocationAttempts && chosen == 0; ++attempt) {
        const WindowHandle candidate = next;
        next = next == 0xFFFFFFFFu ? 1 : next + 1;
        if (inUse(candidate) || access(lockPath(folder, candidate).c_str(), F_OK) == 0) continue;
        chosen = candidate;
    }
    const std::string stored = hex8(next) + "\n";
    if (pwrite(fd, stored.data(), stored.size(), 0) != static_cast<ssize_t>(stored.size()) ||
        ftruncate(fd, static_cast<off_t>(stored.size())) != 0)
        chosen = 0;
    close(fd);  // releases the lock
    return chosen;
}

}  // namespace

std::string windowsFolder()
{
    const std::string base = runtimeDirectory();
    if (base.empty()) return {};
    const std::string folder = base + "windows";
    if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return {};
    struct stat st {};
    if (lstat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != geteuid() ||
        (st.st_mode & 077) != 0)
        return {};
    const std::string withSlash = folder + "/";
    if (socketPath(withSlash, 0xFFFFFFFFu).size() > maxSocketPathLength()) return {};
    return withSlash;
}

std::string lockPath(const std::string& folder, WindowHandle window)
{
    return folder + "w-" + hex8(window) + ".lock";
}

std::string socketPath(const std::string& folder, WindowHandle window)
{
    return folder + "w-" + hex8(window) + ".sock";
}

std::string titleIndexPath(const std::string& folder, std::string_view title, WindowHandle window)
{
    return folder + "t-" + titleHash(title) + "-" + hex8(window);
}

std::unique_ptr<WindowRegistration> WindowRegistration::claim(
    const std::string& folder, const std::function<bool(WindowHandle)>& inUse)
{
    for (int attempt = 0; attempt < kClaimAttempts; ++attempt) {
        const WindowHandle window = allocateHandle(folder, inUse);
        if (window == 0) return nullptr;
        const std::string path = lockPath(folder, window);
        const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (fd < 0) continue;
        // Until the lock is held the new file looks like a dead window's and may be
        // removed by a cleaner; the lock counts only on the file still at the path.
        if (flock(fd, LOCK_EX) != 0 || !sameFile(fd, path)) {
            close(fd);
            continue;
        }
        return std::unique_ptr<WindowRegistration>(new WindowRegistration(folder, window, fd));
    }
    return nullptr;
}

WindowRegistration::WindowRegistration(std::string folder, WindowHandle handle, int lockFd)
    : folder_(std::move(folder)), handle_(handle), lockFd_(lockFd)
{
}

WindowRegistration::~WindowRegistration()
{
    if (!titlePath_.empty()) unlink(titlePath_.c_str());
    unlink(socketPath(folder_, handle_).c_str());
    unlink(lockPath(folder_, handle_).c_str());
    close(lockFd_);
}

bool WindowRegistration::publishTitle(std::string_view title)
{
    if (title.size() > kMaxTitleLength) return false;
    const std::string path = titleIndexPath(folder_, title, handle_);
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) return false;
    const bool written = writeAll(fd, title.data(), title.size());
    close(fd);
    if (!written) {
        unlink(path.c_str());
        return false;
    }
    titlePath_ = path;
    return true;
}

bool isLiveWindow(const std::string& folder, WindowHandle window)
{
    if (window == 0 || folder.empty()) return false;
    const int fd = open(lockPath(folder, window).c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) return false;
    const bool held = flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    close(fd);
    return held;
}

void removeIfDead(const std::string& folder, WindowHandle window)
{
    if (window == 0 || folder.empty()) return;
    const std::string path = lockPath(folder, window);
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) {
        if (errno == ENOENT) removeFilesOf(folder, window);
        return;
    }
    // Taking the lock proves the owner gone and keeps other cleaners out meanwhile.
    if (flock(fd, LOCK_EX | LOCK_NB) == 0 && sameFile(fd, path)) {
        removeFilesOf(folder, window);
        unlink(path.c_str());
    }
    close(fd);
}

std::vector<WindowHandle> windowsTitled(const std::string& folder, std::string_view title)
{
    std::vector<WindowHandle> found;
    if (folder.empty() || title.size() > kMaxTitleLength) return found;
    const std::string prefix = "t-" + titleHash(title) + "-";
    for (const std::string& name : folderEntries(folder)) {
        WindowHandle window = 0;
        if (name.compare(0, prefix.size(), prefix) != 0 ||
            !parseHex8(std::string_view(name).substr(prefix.size()), window))
            continue;
        std::string stored;
        if (!readWholeFile(folder + name, stored, kMaxTitleLength) || stored != title) continue;
        if (isLiveWindow(folder, window)) found.push_back(window);
        else removeIfDead(folder, window);
    }
    return found;
}

std::vector<WindowHandle> listedWindows(const std::string& folder)
{
    std::vector<WindowHandle> windows;
    if (folder.empty()) return windows;
    for (const std::string& name : folderEntries(folder)) {
        WindowHandle window = 0;
        if (name.size() == 2 + 8 + 5 && name.compare(0, 2, "w-") == 0 &&
            name.compare(10, 5, ".lock") == 0 && parseHex8(std::string_view(name).substr(2, 8), window))
            windows.push_back(window);
    }
    return windows;
}

}  // namespace platform::msgwin
