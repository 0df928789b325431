#pragma once
// The writers' lock of an INI file: an exclusive flock on the file's folder, since
// the file itself is replaced by rename and a lock on it would not outlive a write.
// One folder holds one lock for all its files. Within a process the lock is
// re-entrant per thread (a batch of one file may write another file of the same
// folder) and excludes the other threads.

#include <string>

namespace platform::ini {

class FolderLock {
public:
    // Blocks until the lock of the folder of `filePath` is taken; locked() tells
    // whether that worked (it fails when the folder cannot be opened).
    explicit FolderLock(const std::string& filePath);
    ~FolderLock();

    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    bool locked() const { return locked_; }

private:
    bool locked_ = false;
    unsigned long long device_ = 0;
    unsigned long long inode_ = 0;
};

// The folder part of a file path: "." when there is none.
std::string folderOf(const std::string& filePath);

}  // namespace platform::ini
