#pragma once
// Starting programs and documents, in place of ShellExecute with "open".

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Starts the program at `path` with `arguments` as its argv (never through a
// shell), detached from the caller, with `workingFolder` as its folder when
// non-empty. True when the process was started.
bool startProgram(const std::string& path, const std::vector<std::string>& arguments,
                  const std::string& workingFolder = {});

// Hands an http, https or mailto address to the desktop's opener; any other
// scheme is refused.
bool openUrl(std::string_view url);
bool isOpenableUrl(std::string_view url);

}  // namespace platform
