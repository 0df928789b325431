#pragma once
// The files that make windows findable by every process of the user, in the
// folder "windows/" of the runtime directory:
//   w-<handle>.lock   held with an exclusive flock by the window's owner while it lives
//   w-<handle>.sock   the window's listening socket (named by handle: socket paths are short)
//   t-<title hash>-<handle>  the title index entry, holding the exact title
//   next-handle       the handle counter, advanced under flock
// A lock file whose lock can be taken belongs to a dead window: its files are removed.

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Types.h"

namespace platform::msgwin {

inline constexpr std::size_t kMaxTitleLength = 64 * 1024;

// The folder with a trailing '/', created when missing; "" when the runtime
// directory is unusable or the folder is not a private directory of ours.
std::string windowsFolder();

std::string lockPath(const std::string& folder, WindowHandle window);
std::string socketPath(const std::string& folder, WindowHandle window);
std::string titleIndexPath(const std::string& folder, std::string_view title, WindowHandle window);

// The files of one window of this process. Removed by the destructor.
class WindowRegistration {
public:
    // Allocates a handle that no live window has and `inUse` rejects, and takes its lock.
    static std::unique_ptr<WindowRegistration> claim(
        const std::string& folder, const std::function<bool(WindowHandle)>& inUse);
    ~WindowRegistration();

    WindowRegistration(const WindowRegistration&) = delete;
    WindowRegistration& operator=(const WindowRegistration&) = delete;

    bool publishTitle(std::string_view title);
    WindowHandle handle() const { return handle_; }
    const std::string& folder() const { return folder_; }

private:
    WindowRegistration(std::string folder, WindowHandle handle, int lockFd);

    std::string folder_;
    WindowHandle handle_;
    int lockFd_;
    std::string titlePath_;
};

// True while the window's owner holds its lock.
bool isLiveWindow(const std::string& folder, WindowHandle window);
// Removes the files of a window whose owner is gone; does nothing for a live one.
void removeIfDead(const std::string& folder, WindowHandle window);
// Live windows with exactly this title; dead entries met on the way are removed.
std::vector<WindowHandle> windowsTitled(const std::string& folder, std::string_view title);
// Every window with a lock file, live or not.
std::vector<WindowHandle> listedWindows(const std::string& folder);

}  // namespace platform::msgwin
