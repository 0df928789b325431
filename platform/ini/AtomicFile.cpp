#include "platform/ini/AtomicFile.h"

#include "platform/ini/FolderLock.h"

#include <algorithm>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform::ini {

namespace {

bool writeAll(int descriptor, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = write(descriptor, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The temporary file beside `path`. Its name is fixed, so a leftover of a writer
// killed mid-write is removed by the next write instead of piling up; the writers'
// lock keeps two writers from using it at once. Created with mode 0666 so that
// the umask applies.
std::string temporaryPathBeside(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    return folderOf(path) + "/." + name + ".tmp";
}

int createTemporaryBeside(const std::string& path, std::string& temporaryPath)
{
    temporaryPath = temporaryPathBeside(path);
    if (unlink(temporaryPath.c_str()) != 0 && errno != ENOENT)
        return -1;
    return open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
}

void syncFolder(const std::string& path)
{
    const int folder = open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        fsync(folder);
        close(folder);
    }
}

}  // namespace

std::optional<std::string> readWholeFile(const std::string& path)
{
    // Without O_NONBLOCK, opening a FIFO would wait for a writer; it is refused
    // below as not a regular file.
    const int descriptor = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (descriptor < 0) {
        if (errno == ENOENT)
            return std::string();
        return std::nullopt;
    }
    struct stat status {};
    if (fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)
        || static_cast<std::size_t>(status.st_size) > kMaxFileSize) {
        close(descriptor);
        return std::nullopt;
    }
    // One byte beyond the size seen by fstat notices a file that grew meanwhile.
    std::string bytes(static_cast<std::size_t>(status.st_size) + 1, '\0');
    std::size_t filled = 0;
    for (;;) {
        if (filled == bytes.size()) {
            if (bytes.size() > kMaxFileSize) {
                close(descriptor);
                return std::nullopt;
            }
            bytes.resize(std::min(kMaxFileSize + 1, 2 * bytes.size()));
        }
        const ssize_t count = read(descriptor, bytes.data() + filled, bytes.size() - filled);
        if (count < 0) {
            if (errno == EINTR)
                continue;
            close(descriptor);
            return std::nullopt;
        }
        if (count == 0)
            break;
        filled += static_cast<std::size_t>(count);
    }
    close(descriptor);
    bytes.resize(filled);
    return bytes;
}

bool replaceFileAtomically(const std::string& path, std::string_view contents)
{
    std::string temporaryPath;
    const int descriptor = createTemporaryBeside(path, temporaryPath);
    if (descriptor < 0)
        return false;
    bool written = writeAll(descriptor, contents);
    struct stat old {};
    if (written && stat(path.c_str(), &old) == 0)
        written = fchmod(descriptor, old.st_mode & 07777) == 0;
    written = written && fsync(descriptor) == 0;
    written = (close(descriptor) == 0) && written;
    if (!written || rename(temporaryPath.c_str(), path.c_str()) != 0) {
        unlink(temporaryPath.c_str());
        return false;
    }
    syncFolder(path);
    return true;
}

void removeLeftoverTemporary(const std::string& path)
{
    unlink(temporaryPathBeside(path).c_str());
}

}  // namespace platform::ini
