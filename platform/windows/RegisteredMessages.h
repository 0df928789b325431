#pragma once
// The table of registered message names, one file shared by every process of the
// user: lines "XXXX name\n" with the number in four hex digits. Only appended to,
// under an exclusive flock, so a name keeps its number for as long as the file lives.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Types.h"

namespace platform::msgwin {

inline constexpr std::size_t kMaxMessageNameLength = 255;

struct RegisteredName {
    MessageId id = 0;
    std::string name;
};

struct RegisteredTable {
    std::vector<RegisteredName> names;  // valid lines only, in file order
    std::size_t completeLength = 0;     // bytes up to the last complete line
};

// Lines that are not well-formed, hold a number outside 0xC000-0xFFFF or repeat a
// name are skipped.
RegisteredTable parseRegisteredTable(std::string_view text);

// Names compare without regard to ASCII case.
bool sameMessageName(std::string_view a, std::string_view b);

// The number of `name` in the table file at `path`, adding it when new; 0 when the
// name is empty, too long or holds a line break, or the file is unusable or full.
MessageId registerMessageIn(const std::string& path, std::string_view name);

}  // namespace platform::msgwin
