#pragma once
// Loading a profile file (.vmp) into a profile slot and saving a slot to one, as
// the main window's Load and Save do.
#include <string>

#include "option/core/ApplicationCore.h"

namespace option::core {

// The file's name without folder and extension.
std::string profileFileTitle(const std::string& path);

// Copies the file to "<title>.vmp" in the program folder, reads it into `slot`
// of the working block and marks all 24 button slots changed. False with a
// reason, with nothing changed and nothing copied, for a file that cannot be
// opened, is not a regular file, or holds no profile key.
bool loadProfileIntoEditedSlot(ApplicationCore& core, int slot, const std::string& path, std::string& error);

// Replaces `path` with `slot` of the working block through a temporary file
// beside it (a failed write keeps the old file; a target that is not a regular
// file is refused), records the file's title as the slot's `FileName` in
// config.ini and writes the same file as "config/<title>.vmp".
bool saveSlotToProfileFile(const ApplicationCore& core, int slot, const std::string& path, std::string& error);

}  // namespace option::core
