#pragma once
// Whole-file reads and crash-safe replacement: the new contents go to a temporary
// file in the same folder, are flushed to disk and renamed over the old file, so
// a reader or a crash sees either the old or the new file, never a mix.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace platform::ini {

// Larger files are refused rather than loaded: no settings file comes near this.
inline constexpr std::size_t kMaxFileSize = 64 * 1024 * 1024;

// The whole file; an empty string when it does not exist; nullopt when it exists
// but cannot be read, is not a regular file (a FIFO is refused without waiting
// for a writer) or is larger than kMaxFileSize.
std::optional<std::string> readWholeFile(const std::string& path);

// Replaces (or creates) the file with `contents`, keeping the permission bits of
// the file it replaces. False, with the old file untouched, on any failure.
// The caller holds the FolderLock of `path`.
bool replaceFileAtomically(const std::string& path, std::string_view contents);

// Removes the temporary file a writer killed mid-write left beside `path`, so it
// goes even when the next write changes nothing. The caller holds the FolderLock.
void removeLeftoverTemporary(const std::string& path);

}  // namespace platform::ini
