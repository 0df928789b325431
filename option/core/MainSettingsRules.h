#pragma once
// The main settings page's controls besides the CPI rows: the sensitivity
// slider and its spin (which shows the value less 6), scroll and tilt speed,
// the one-page scroll pair and the double-click slider with its table. Each
// setter stores a value within the control's range and says whether the
// profile changed; a value outside the range changes nothing.
#include "option/core/ControlRange.h"
#include "settings/ProfileRecord.h"

namespace option::core {

inline constexpr ControlRange kSensitivityRange{1, 11};
inline constexpr int kSensitivitySpinOffset = 6;
inline constexpr ControlRange kSensitivitySpinRange{kSensitivityRange.min - kSensitivitySpinOffset,
                                                    kSensitivityRange.max - kSensitivitySpinOffset};
inline constexpr ControlRange kScrollSpeedRange{1, 10};
inline constexpr ControlRange kTiltSpeedRange{1, 10};
inline constexpr ControlRange kDoubleClickPositions{1, 11};

constexpr int sensitivitySpinValue(int sensitivity)
{
    return sensitivity - kSensitivitySpinOffset;
}

bool setSensitivity(settings::ProfileRecord& profile, int sensitivity);
// The spin's value (-5 to +5) as the sensitivity it stands for.
bool setSensitivityFromSpin(settings::ProfileRecord& profile, int spinValue);

bool setScrollSpeed(settings::ProfileRecord& profile, int lines);
// The "one page" button (true) and "not one page" (false).
bool setScrollOnePage(settings::ProfileRecord& profile, bool onePage);
bool setTiltSpeed(settings::ProfileRecord& profile, int characters);

// Stores the time of slider position 1-11; the caller hands the stored time to
// the desktop at once. False, with nothing stored, for another position.
bool setDoubleClickPosition(settings::ProfileRecord& profile, int position);
// The position that shows the profile's double-click time.
int doubleClickPosition(const settings::ProfileRecord& profile);

}  // namespace option::core
