#pragma once
// The five CPI level rows of the main settings page: what each row shows and
// what its sub-commands (enable, X, select, Y, link) do to the profile. A row's
// X and Y move together while its link flag is set, and the active level can be
// neither switched off nor replaced by a level that is off.
#include <cstdint>

#include "settings/ProfileRecord.h"

namespace option::core {

// Identifiers of the rows: level n is row 500 + n.
inline constexpr int kFirstCpiRowId = 500;

enum class CpiRowCommand : int {
    Enable = 1,       // value 0/1: the level's `dpi` flag
    XResolution = 2,  // value in hundreds of counts per inch
    Select = 3,       // the level becomes the active one (`Cpi_X`)
    YResolution = 4,
    Link = 5,         // value 0/1: `XYCpiFlag`; setting it copies X to Y
};

// Sliders hold hundreds (1-50); the spins show counts per inch (100-5000, step 100).
inline constexpr int kMinCpiHundreds = 1;
inline constexpr int kMaxCpiHundreds = 50;
inline constexpr int kCpiSpinStep = 100;
inline constexpr int kMinCpiSpin = kMinCpiHundreds * kCpiSpinStep;
inline constexpr int kMaxCpiSpin = kMaxCpiHundreds * kCpiSpinStep;

constexpr int cpiSpinValue(int hundreds)
{
    return hundreds * kCpiSpinStep;
}

// The hundreds a spin value stands for, within 1-50.
int cpiHundredsOfSpin(int countsPerInch);

struct CpiRowView {
    bool active = false;          // the select button is marked
    bool enabled = false;         // the enable box is ticked
    bool enableBoxUsable = false; // not while the row is the active level
    bool controlsUsable = false;  // sliders, spins, link and select: only while enabled
    int x = 0;                    // hundreds
    int y = 0;
    bool linked = false;
};

// A level 0-4 of the profile; a default view for any other level.
CpiRowView cpiRowView(const settings::ProfileRecord& profile, int level);

struct CpiRowChange {
    bool applied = false;  // false: refused or ignored, the profile is unchanged
    bool xChanged = false;
    bool yChanged = false;
    bool activeChanged = false;
};

// A row's sub-command with its value, as the row posts it (`rowId` 500-504).
// Refused: rows outside 500-504, unknown sub-commands, resolutions outside
// 1-50, flags other than 0/1, switching the active level off, selecting a
// level that is off.
CpiRowChange applyCpiRowCommand(settings::ProfileRecord& profile, int rowId, int subCommand, int value);

}  // namespace option::core
