#pragma once
// Names of macro sets, macros and timers: users type them with stray blanks and in
// any letter case, so they are compared trimmed of spaces and without regard to
// ASCII case.

#include <string_view>

namespace settings {

// `text` without the spaces at both ends.
std::string_view trimSpaces(std::string_view text);

// Equal after trimming spaces at both ends, ignoring ASCII case.
bool sameStoreName(std::string_view a, std::string_view b);

}  // namespace settings
