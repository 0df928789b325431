#pragma once
// Registered message names: one file of names, one a line; the name on line i has
// the number kFirstRegisteredMessage + i. Names are only ever appended, under an
// exclusive flock, so a number once handed out names the same message in every
// process for as long as the file exists. Names compare case-insensitively in
// their ASCII letters, as Win32 atoms do.

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/Types.h"

namespace platform::windows {

inline constexpr std::size_t kMaxMessageNameLength = 255;
inline constexpr std::size_t kRegisteredMessageCapacity =
    kLastRegisteredMessage - kFirstRegisteredMessage + 1;

// The number of `name` in the registry file at `path`, added when missing.
// 0 when the name is empty, too long or holds a line break or NUL, when the file
// cannot be used, or when `capacity` names are already registered.
MessageId registerMessageName(const std::string& path, std::string_view name,
                              std::size_t capacity = kRegisteredMessageCapacity);

}  // namespace platform::windows
