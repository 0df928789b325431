#pragma once
// Loading a profile file (.vmp) into a profile slot and saving a slot to one, as
// the main window's Load and Save do.
#include <string>

#include "option/core/ApplicationCore.h"

namespace option::core {

// The file's name without folder and extension.
std::string profileFileTitle(const std::string& path);

// Copies the file to "<title>.vmp" in the program folder, reads that copy into
// `slot` of the working block and marks all 24 button slots changed. False with
// a reason, and nothing changed, when the file cannot be opened or holds no
// profile.
bool loadProfileIntoEditedSlot(ApplicationCore& core, int slot, const std::string& path, std::string& error);

// Replaces `path` with `slot` of the working block (an existing file stays whole
// when the writing fails), records the file's title as
// the slot's `FileName` in config.ini and copies the file to
// "config/<title>.vmp".
bool saveSlotToProfileFile(const ApplicationCore& core, int slot, const std::string& path, std::string& error);

}  // namespace option::core
