#include "platform/ini/FolderLock.h"

#include <condition_variable>
#include <map>
#include <mutex>
#include <thread>
#include <utility>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform::ini {

namespace {

// flock excludes separate descriptors even within one process, so a thread that
// locked a folder twice would wait on itself. The process therefore holds one
// descriptor per locked folder and counts its owner's nested locks.
struct HeldFolder {
    int descriptor = -1;  // -1 while the owner still waits for flock
    std::thread::id owner;
    int depth = 0;
};

struct FolderTable {
    std::mutex mutex;
    std::condition_variable released;
    std::map<std::pair<unsigned long long, unsigned long long>, HeldFolder> held;
};

FolderTable& folderTable()
{
    static FolderTable table;
    return table;
}

bool lockExclusively(int descriptor)
{
    while (flock(descriptor, LOCK_EX) != 0) {
        if (errno != EINTR)
            return false;
    }
    return true;
}

}  // namespace

std::string folderOf(const std::string& filePath)
{
    const std::size_t slash = filePath.rfind('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return filePath.substr(0, slash);
}

FolderLock::FolderLock(const std::string& filePath)
{
    const int descriptor = open(folderOf(filePath).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        return;
    struct stat status {};
    if (fstat(descriptor, &status) != 0) {
        close(descriptor);
        return;
    }
    device_ = status.st_dev;
    inode_ = status.st_ino;
    const auto key = std::make_pair(device_, inode_);

    FolderTable& table = folderTable();
    std::unique_lock guard(table.mutex);
    for (;;) {
        const auto found = table.held.find(key);
        if (found == table.held.end())
            break;
        if (found->second.owner == std::this_thread::get_id()) {
            ++found->second.depth;
            close(descriptor);
            locked_ = true;
            return;
        }
        table.released.wait(guard);
    }
    table.held[key] = HeldFolder{-1, std::this_thread::get_id(), 1};
    guard.unlock();

    const bool taken = lockExclusively(descriptor);

    guard.lock();
    if (!taken) {
        table.held.erase(key);
        table.released.notify_all();
        close(descriptor);
        return;
    }
    table.held[key].descriptor = descriptor;
    locked_ = true;
}

FolderLock::~FolderLock()
{
    if (!locked_)
        return;
    FolderTable& table = folderTable();
    std::lock_guard guard(table.mutex);
    const auto found = table.held.find(std::make_pair(device_, inode_));
    if (found == table.held.end() || --found->second.depth > 0)
        return;
    flock(found->second.descriptor, LOCK_UN);
    close(found->second.descriptor);
    table.held.erase(found);
    table.released.notify_all();
}

}  // namespace platform::ini
