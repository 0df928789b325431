#pragma once
// Profile files (".vmp"): one INI section "Setting" with one key per profile field.

#include <string>

#include "settings/ProfileRecord.h"
#include "settings/SettingsBlock.h"

namespace platform::ini {
class IniBatch;
}

namespace settings {

inline constexpr char kProfileFileFilter[] = "Vantro Mouse Profile(*.vmp)|*.vmp|";

// Reads every key; a missing integer gives -1 (0 for `UseColorForAll` and
// `LtChoseType`), a missing string "", a missing or damaged struct zeros.
void readProfile(const platform::ini::IniBatch& file, ProfileRecord& profile);
// Writes every key in the file's fixed order; other lines of the file stay.
void writeProfile(platform::ini::IniBatch& file, const ProfileRecord& profile);

// False when the file cannot be opened for reading; the profile is then unchanged.
bool loadProfileFile(ProfileRecord& profile, const std::string& path);
// True when the file can be read and holds the profile section: a file without it
// is no profile (loading it would give a profile of missing values).
bool holdsProfile(const std::string& path);
bool saveProfileFile(const ProfileRecord& profile, const std::string& path);

// Loads a file into profile slot 0-4 and marks all its button slots changed, so
// that the next apply rewrites the whole button table.
bool loadProfileIntoSlot(SettingsBlock& block, int slot, const std::string& path);

}  // namespace settings
