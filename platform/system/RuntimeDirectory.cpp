#include "platform/system/RuntimeDirectory.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

constexpr const char* kFolderName = "zuronoxa";

// A folder we may put private objects in: a real directory (not a link), owned by
// us, with no access for group or others.
bool isPrivateFolder(const std::string& path)
{
    struct stat st {};
    if (lstat(path.c_str(), &st) != 0) return false;
    if (!S_ISDIR(st.st_mode)) return false;
    if (st.st_uid != geteuid()) return false;
    return (st.st_mode & 077) == 0;
}

// The folder that holds ours. Whoever may rename entries in it could swap our
// folder for one of theirs after we checked it, so it must belong to us or to
// root, and be closed to others' writes unless it is sticky, as /tmp is.
bool isTrustedParent(const std::string& path)
{
    struct stat st {};
    if (stat(path.c_str(), &st) != 0) return false;
    if (!S_ISDIR(st.st_mode)) return false;
    if (st.st_uid != geteuid() && st.st_uid != 0) return false;
    const bool othersMayWrite = (st.st_mode & (S_IWGRP | S_IWOTH)) != 0;
    return !othersMayWrite || (st.st_mode & S_ISVTX) != 0;
}

struct FolderPlace {
    std::string parent;
    std::string name;
};

FolderPlace folderPlace()
{
    const char* xdg = std::getenv("XDG_RUNTIME_DIR");
    if (xdg && xdg[0] == '/') return {xdg, kFolderName};
    return {"/tmp", std::string(kFolderName) + "-" + std::to_string(geteuid())};
}

}  // namespace

std::string runtimeDirectory()
{
    const FolderPlace place = folderPlace();
    if (!isTrustedParent(place.parent)) return {};
    const std::string folder = place.parent + "/" + place.name;
    if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return {};
    if (!isPrivateFolder(folder)) return {};
    return folder + "/";
}

std::string runtimeFileName(std::string_view objectName, std::string_view suffix)
{
    // Object names are free text: keep a readable part made of safe characters
    // only, so a name can never leave the folder, and add a hash of the whole
    // name so that names differing only in replaced characters stay apart.
    constexpr std::size_t kReadableLength = 64;
    std::string out;
    for (char c : objectName.substr(0, kReadableLength)) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                           (c >= '0' && c <= '9') || c == '-' || c == '_';
        out += plain ? c : '_';
    }
    std::uint64_t hash = 0xcbf29ce484222325ULL;  // FNV-1a
    for (unsigned char c : objectName) {
        hash ^= c;
        hash *= 0x100000001b3ULL;
    }
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
    out += '-';
    out += hex;
    out += suffix;
    return out;
}

}  // namespace platform
