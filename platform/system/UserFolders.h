#pragma once
// The user's own configuration folder and the checks that decide whether a
// program folder can hold the files the programs write.

#include <string>

namespace platform {

// $XDG_CONFIG_HOME when it is an absolute path, else $HOME/.config (the home
// folder from the password database when HOME is unset); "" when neither is
// known. Without a trailing '/'.
std::string configHome();

// True when the calling process may create and replace files in `folder`.
bool isWritableFolder(const std::string& folder);

// Creates `folder` (mode 0700) and the missing folders above it; true when it
// exists as a folder afterwards.
bool ensureFolder(const std::string& folder);

}  // namespace platform
