#pragma once
// Starts a program by path with its arguments, never through a shell;
// platform::startProgram in the monitor, a recorder in the tests.

#include <functional>
#include <string>
#include <vector>

namespace monitor::host {

using ProgramLauncher = std::function<bool(const std::string& path, const std::vector<std::string>& arguments)>;

}  // namespace monitor::host
