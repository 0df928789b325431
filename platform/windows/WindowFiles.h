#pragma once
// The files that make a window visible to the other processes of the user, all in
// the private folder "windows/" of the runtime directory:
//   <handle>.lock   held with an exclusive flock by the owner while the window lives
//   <handle>.sock   the window's listening socket
//   title-<name>-<handle>   the title index; holds the exact title
//   next-handle, messages   the handle counter and the registered message names
// A lock file whose lock can be taken belongs to a dead window; whoever finds one
// removes that window's files, the lock file last.

#include <string>
#include <string_view>
#include <vector>

#include "platform/Types.h"

namespace platform::windows {

// The folder with a trailing '/', created 0700; "" when the runtime directory is
// unusable or the folder is not a private one of ours.
std::string windowsFolder();

std::string lockFilePath(const std::string& folder, WindowHandle window);
std::string socketPath(const std::string& folder, WindowHandle window);
std::string titleIndexPath(const std::string& folder, std::string_view title, WindowHandle window);

enum class WindowState { Missing, Alive, Dead };

// Looks at the window's lock file. A dead window's files are removed before this
// returns Dead.
WindowState probeWindow(const std::string& folder, WindowHandle window);

// Hands out a handle that no live window has, never 0. 0 on failure.
WindowHandle allocateHandle(const std::string& folder);

// Creates <handle>.lock already locked (it appears under its name only once
// locked, so nobody can take it for a dead window's). Returns the descriptor that
// holds the lock, or -1.
int createLockFile(const std::string& folder, WindowHandle window);

// Handles of every window with a lock file, live or not.
std::vector<WindowHandle> listWindowHandles(const std::string& folder);

// Handles whose title index names this exact title.
std::vector<WindowHandle> windowsWithTitle(const std::string& folder, std::string_view title);

bool writeTitleIndex(const std::string& folder, std::string_view title, WindowHandle window);

}  // namespace platform::windows
