#pragma once
// Starting programs and documents, in place of ShellExecute with "open".

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Starts the program at `path` (looked up in PATH when it holds no '/') with
// argv `path`, then `arguments` word for word (never through a shell), detached
// from the caller in a session of its own, with `workingFolder` as its folder
// when non-empty. True when the program was started; it is reaped when it ends.
bool startProgram(const std::string& path, const std::vector<std::string>& arguments,
                  const std::string& workingFolder = {});

// Hands an http, https or mailto address (scheme in any case) to the desktop's
// opener, xdg-open; any other scheme, and any address with blanks or control
// characters, is refused.
bool openUrl(std::string_view url);
bool isOpenableUrl(std::string_view url);

}  // namespace platform
