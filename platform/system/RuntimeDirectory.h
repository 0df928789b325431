#pragma once
// The per-user folder for sockets, sections and locks:
// $XDG_RUNTIME_DIR/zuronoxa/, or /tmp/zuronoxa-<uid>/ when XDG_RUNTIME_DIR is unset.

#include <string>
#include <string_view>

namespace platform {

// Creates the folder with mode 0700 when missing. Returns it with a trailing '/',
// or "" when it (or an existing parent it must trust) belongs to another user or
// is open to others: nothing of ours is placed in a folder we do not own.
std::string runtimeDirectory();

// Turns a kernel-object name into a file name usable in the runtime directory:
// a readable part of safe characters plus a hash of the whole name.
std::string runtimeFileName(std::string_view objectName, std::string_view suffix);

}  // namespace platform
