#pragma once
#include <string>

namespace platform {

// The folder of the running executable with a trailing '/', or "" when it cannot
// be found (names then resolve against the current folder).
std::string programFolder();

}  // namespace platform
