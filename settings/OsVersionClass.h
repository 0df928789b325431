#pragma once
// OsVersionClass: a small number for the kind of operating system, computed once
// at start. The button page leaves out the Aero Flip 3D roll mode on class 4.

namespace settings {

// Platform identifiers of the version information the classes were defined on.
inline constexpr int kOsPlatformWin9x = 1;
inline constexpr int kOsPlatformNt = 2;

inline constexpr int kOsVersionClassUnknown = 0;
inline constexpr int kOsVersionClassXp = 4;
// What this build reports: a class whose desktop offers every menu entry.
inline constexpr int kOsVersionClassThisSystem = 6;

// NT 5.0 -> 3, NT 5.x -> 4, NT 6.0 -> 5, NT 6.x -> 6, other NT -> 0; 9x 4.x below
// minor 90 -> 1, 9x 4.90 and later -> 2; anything else -> 0.
int osVersionClass(int platformId, int major, int minor);

// The class of the running system.
int currentOsVersionClass();

}  // namespace settings
