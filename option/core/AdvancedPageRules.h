#pragma once
// The advanced page's controls: pointer speed through its slider table,
// acceleration (its step follows the flag), trails, angle snapping, sensor
// alignment with its spin (which shows the value less 30), polling rate, sound
// volume and the Padtune level buttons. Setters store values within the
// control's range and say whether the profile changed.
#include <array>
#include <string_view>

#include "option/core/ControlRange.h"
#include "settings/ProfileRecord.h"

namespace option::core {

inline constexpr ControlRange kPointerPositions{1, 11};
inline constexpr ControlRange kSoundVolumeRange{0, 4};
inline constexpr ControlRange kAngleSnapRange{1, 6};
inline constexpr ControlRange kSensorAlignmentRange{0, 60};
inline constexpr int kSensorAlignmentSpinOffset = 30;
inline constexpr ControlRange kSensorAlignmentSpinRange{-30, 30};
inline constexpr ControlRange kPollingRateRange{0, 3};
inline constexpr ControlRange kPadtuneLevelRange{0, 3};

// The acceleration step stored with the flag, and the trails value of the box.
inline constexpr int kAccelerationStepOn = 8;
inline constexpr int kAccelerationStepOff = 0;
inline constexpr int kTrailsOn = 5;
inline constexpr int kTrailsOff = 0;

// The polling-rate buttons in `PollingRate` order (codes 0-3).
inline constexpr std::array<std::string_view, 4> kPollingRateButtons = {"125Hz", "250Hz", "500Hz", "1000Hz"};

// The Padtune level buttons in the order of their layout strings: button i
// chooses level i.
inline constexpr std::array<std::string_view, 4> kPadtuneLevelButtons = {"off", "eztra low", "low", "normal"};

// Slider positions 1-11 store the pointer speed of the table.
bool setPointerPosition(settings::ProfileRecord& profile, int position);
int pointerPosition(const settings::ProfileRecord& profile);

// Ticked stores the flag and step 8; cleared stores 0 and 0.
bool setAcceleration(settings::ProfileRecord& profile, bool on);
bool setTrails(settings::ProfileRecord& profile, bool on);
// Shown ticked for any trails value but 0.
bool trailsShown(const settings::ProfileRecord& profile);

bool setSoundVolume(settings::ProfileRecord& profile, int volume);
bool setPollingRate(settings::ProfileRecord& profile, int code);

bool setAngleSnapping(settings::ProfileRecord& profile, bool on);
bool setAngleSnap(settings::ProfileRecord& profile, int value);

bool setSensorAlignmentOn(settings::ProfileRecord& profile, bool on);
bool setSensorAlignment(settings::ProfileRecord& profile, int value);
// The spin's value (-30 to +30) as the alignment it stands for.
bool setSensorAlignmentFromSpin(settings::ProfileRecord& profile, int spinValue);

constexpr int sensorAlignmentSpinValue(int alignment)
{
    return alignment - kSensorAlignmentSpinOffset;
}

}  // namespace option::core
