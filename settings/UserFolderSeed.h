#pragma once
// The per-user folder of an installed package: made on first start and seeded
// with the package's own copies of the files the programs write (default
// profiles, stores, the sensor image), so each user edits a private copy.

#include <string>
#include <vector>

namespace settings {

// Written into the user folder once seeding is complete: later starts copy
// nothing, so a file the user deleted stays deleted.
inline constexpr char kSeededMarkerFile[] = "SeededFromPackage";

// The writable files a package may ship, relative to its folder: config.ini,
// DeviceInfo.ini, the sensor image and every regular file in "config/" but the
// PendingChanges marker. Only those present in `dataFolder` are listed.
std::vector<std::string> seedFilesIn(const std::string& dataFolder);

// Makes `userFolder` (mode 0700) with its "config/", "Wave/" and "FWUpdateB/"
// subfolders and, unless it was seeded before, copies the seed files into it.
// A file already there is never replaced. False when a folder cannot be made
// or a file cannot be copied (seeding is tried again at the next start).
bool prepareUserFolder(const std::string& dataFolder, const std::string& userFolder);

}  // namespace settings
