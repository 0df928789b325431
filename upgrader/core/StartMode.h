#pragma once
// How the upgrader was asked to start, by the first character of its command
// line: "1", "2" or nothing ask the user first, "0" only tells the user that the
// mouse's firmware is newer, anything else updates at once.

#include <string>
#include <string_view>
#include <vector>

namespace upgrader {

enum class StartMode { ConfirmThenUpdate, NoticeOnly, UpdateAtOnce };

StartMode startModeOf(std::string_view commandLine);

// The arguments joined by blanks.
std::string commandLineText(const std::vector<std::string>& arguments);

}  // namespace upgrader
