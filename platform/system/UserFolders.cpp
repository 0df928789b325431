#include "platform/system/UserFolders.h"

#include <cerrno>
#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace platform {
namespace {

std::string homeFolder()
{
    if (const char* home = std::getenv("HOME"); home && home[0] == '/') return home;
    passwd entry {};
    passwd* found = nullptr;
    std::vector<char> buffer(16384);
    if (getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found &&
        found->pw_dir && found->pw_dir[0] == '/')
        return found->pw_dir;
    return {};
}

bool isFolder(const std::string& path)
{
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

std::string configHome()
{
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && xdg[0] == '/') return xdg;
    const std::string home = homeFolder();
    return home.empty() ? std::string() : home + "/.config";
}

bool isWritableFolder(const std::string& folder)
{
    return !folder.empty() && isFolder(folder) && access(folder.c_str(), W_OK | X_OK) == 0;
}

bool ensureFolder(const std::string& folder)
{
    if (folder.empty()) return false;
    if (isFolder(folder)) return true;
    std::string path = folder;
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    const std::size_t slash = path.rfind('/');
    if (slash != std::string::npos && slash > 0 && !ensureFolder(path.substr(0, slash))) return false;
    if (mkdir(path.c_str(), 0700) == 0) return true;
    return errno == EEXIST && isFolder(path);
}

}  // namespace platform
