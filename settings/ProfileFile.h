#pragma once
// Profile files (".vmp"): one INI section "Setting" with one key per profile
// field, in the order of the profile-field table (ProfileFields.h).

#include <string>

#include "settings/ProfileRecord.h"
#include "settings/SettingsBlock.h"

namespace settings {

inline constexpr char kProfileFileFilter[] = "Vantro Mouse Profile(*.vmp)|*.vmp|";

enum class ProfileFileRead {
    Loaded,
    CannotOpen,       // missing or unreadable
    NotARegularFile,  // a folder, a FIFO, a device: never opened for reading
    NotAProfile,      // empty, or without a single profile key in "Setting"
};

// Reads every key into `profile`; a missing integer gives -1 (0 for
// `UseColorForAll` and `LtChoseType`), a missing string "", a missing or damaged
// struct zeros. Anything but Loaded leaves the profile unchanged.
ProfileFileRead readProfileFile(const std::string& path, ProfileRecord& profile);
// True when readProfileFile loaded the file.
bool loadProfileFile(ProfileRecord& profile, const std::string& path);

// Writes every key in the file's fixed order; other lines of the file stay.
bool saveProfileFile(const ProfileRecord& profile, const std::string& path);

enum class ProfileFileWrite {
    Written,
    NotARegularFile,  // the target exists and is not a regular file: left alone
    Failed,           // the old file, if any, is left as it was
};

// Replaces `path` with a file holding the profile's keys alone, through a
// temporary file beside it, so a failed write keeps the old file. A symbolic link
// to a regular file stays a link; the file it names is replaced.
ProfileFileWrite writeNewProfileFile(const ProfileRecord& profile, const std::string& path);

// Loads a file into profile slot 0-4 and marks all its button slots changed, so
// that the next apply rewrites the whole button table.
bool loadProfileIntoSlot(SettingsBlock& block, int slot, const std::string& path);

}  // namespace settings
