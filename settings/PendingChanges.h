#pragma once
// The marker that says the configuration files hold edits the mouse has not
// taken: written when the files were changed without a monitor to apply them, or
// when an apply failed; the monitor then applies the files to the mouse (every
// change flag set) instead of overwriting them with what it reads, and clears it.
// It is the file "config/PendingChanges" beside the profile files.

#include "settings/InstallFolder.h"

namespace settings {

inline constexpr char kPendingChangesFileName[] = "PendingChanges";

// "config/PendingChanges" of `folder`.
std::string pendingChangesFile(const InstallFolder& folder);

// True when written (or already there).
bool markPendingChanges(const InstallFolder& folder);
bool hasPendingChanges(const InstallFolder& folder);
// True when the marker is gone afterwards.
bool clearPendingChanges(const InstallFolder& folder);

}  // namespace settings
