#include "settings/PendingChanges.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace settings {

std::string pendingChangesFile(const InstallFolder& folder)
{
    return folder.configSubfolder() + kPendingChangesFileName;
}

bool markPendingChanges(const InstallFolder& folder)
{
    const int fd = ::open(pendingChangesFile(folder).c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

bool hasPendingChanges(const InstallFolder& folder)
{
    struct stat status {};
    return ::stat(pendingChangesFile(folder).c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

bool clearPendingChanges(const InstallFolder& folder)
{
    return std::remove(pendingChangesFile(folder).c_str()) == 0 || errno == ENOENT;
}

}  // namespace settings
