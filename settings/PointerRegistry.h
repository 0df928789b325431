#pragma once
// The profile's pointer fields against the user's pointer settings in the
// registry ("Control Panel\Mouse" and "Control Panel\Desktop").

#include <array>

#include "settings/ProfileRecord.h"

namespace settings {

struct AccelerationRow {
    int speed;
    int threshold1;
    int threshold2;
};

inline constexpr int kAccelerationRowCount = 20;
extern const std::array<AccelerationRow, kAccelerationRowCount> kAccelerationTable;

inline constexpr char kMouseKey[] = "Control Panel\\Mouse";
inline constexpr char kDesktopKey[] = "Control Panel\\Desktop";

// The row to write: 0 when acceleration is off, else `Acceleration` clamped to 0-19.
int accelerationRowOf(const ProfileRecord& profile);

// The last row with this speed whose thresholds are at least t1 and t2, or -1;
// speed 0 (acceleration off) is row 0.
int accelerationRowMatching(int speed, int threshold1, int threshold2);

// 1 on success; -1 when a key can neither be opened nor created (nothing more
// is written from then on).
int profileToRegistry(const ProfileRecord& profile);

// 1 on success; 0 when the mouse key is unusable (profile untouched), -1 when the
// desktop key is. A value missing from the registry leaves its field as it is.
int registryToProfile(ProfileRecord& profile);

}  // namespace settings
