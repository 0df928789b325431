#include "platform/system/ShellOpen.h"

#include "platform/system/ChildReaper.h"

#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <unistd.h>

extern char** environ;

namespace platform {
namespace {

constexpr const char* kDesktopOpener = "xdg-open";

// The attributes and file actions of a detached start, released on every path.
class SpawnSetup {
public:
    SpawnSetup()
    {
        ready_ = posix_spawnattr_init(&attributes_) == 0;
        if (!ready_) return;
        actionsReady_ = posix_spawn_file_actions_init(&actions_) == 0;
        ready_ = actionsReady_;
    }
    ~SpawnSetup()
    {
        if (actionsReady_) posix_spawn_file_actions_destroy(&actions_);
        posix_spawnattr_destroy(&attributes_);
    }
    SpawnSetup(const SpawnSetup&) = delete;
    SpawnSetup& operator=(const SpawnSetup&) = delete;

    // Own session, so the program outlives us and our terminal; no signal mask,
    // ignored signal or descriptor of ours reaches it; input from /dev/null.
    bool prepare(const std::string& workingFolder)
    {
        if (!ready_) return false;
        sigset_t none;
        sigset_t all;
        sigemptyset(&none);
        sigfillset(&all);
        if (posix_spawnattr_setflags(&attributes_, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK |
                                                       POSIX_SPAWN_SETSIGDEF) != 0)
            return false;
        if (posix_spawnattr_setsigmask(&attributes_, &none) != 0) return false;
        if (posix_spawnattr_setsigdefault(&attributes_, &all) != 0) return false;
        if (posix_spawn_file_actions_addopen(&actions_, STDIN_FILENO, "/dev/null", O_RDONLY, 0) != 0)
            return false;
        if (posix_spawn_file_actions_addclosefrom_np(&actions_, STDERR_FILENO + 1) != 0) return false;
        if (!workingFolder.empty() &&
            posix_spawn_file_actions_addchdir_np(&actions_, workingFolder.c_str()) != 0)
            return false;
        return true;
    }

    const posix_spawnattr_t* attributes() const { return &attributes_; }
    const posix_spawn_file_actions_t* actions() const { return &actions_; }

private:
    posix_spawnattr_t attributes_;
    posix_spawn_file_actions_t actions_;
    bool ready_ = false;
    bool actionsReady_ = false;
};

char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
    return true;
}

}  // namespace

bool startProgram(const std::string& path, const std::vector<std::string>& arguments,
                  const std::string& workingFolder)
{
    if (path.empty()) return false;
    std::vector<char*> argv;
    argv.reserve(arguments.size() + 2);
    argv.push_back(const_cast<char*>(path.c_str()));
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    SpawnSetup setup;
    if (!setup.prepare(workingFolder)) return false;
    // A bare name is looked up in PATH, as the shell's "open" finds programs.
    const bool searchPath = path.find('/') == std::string::npos;
    pid_t pid = 0;
    const int error = searchPath
        ? posix_spawnp(&pid, path.c_str(), setup.actions(), setup.attributes(), argv.data(), environ)
        : posix_spawn(&pid, path.c_str(), setup.actions(), setup.attributes(), argv.data(), environ);
    if (error != 0) return false;
    ChildReaper::instance().adopt(pid);
    return true;
}

bool isOpenableUrl(std::string_view url)
{
    const std::size_t colon = url.find(':');
    if (colon == std::string_view::npos) return false;
    const std::string_view scheme = url.substr(0, colon);
    if (!equalsIgnoringCase(scheme, "http") && !equalsIgnoringCase(scheme, "https") &&
        !equalsIgnoringCase(scheme, "mailto"))
        return false;
    if (colon + 1 == url.size()) return false;
    // Control characters and blanks have no place in an address; the opener is
    // a script that need not expect them.
    for (char c : url) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= 0x20 || byte == 0x7F) return false;
    }
    return true;
}

bool openUrl(std::string_view url)
{
    if (!isOpenableUrl(url)) return false;
    return startProgram(kDesktopOpener, {std::string(url)});
}

}  // namespace platform
