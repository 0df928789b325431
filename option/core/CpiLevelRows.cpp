#include "option/core/CpiLevelRows.h"

#include <algorithm>

namespace option::core {
namespace {

using settings::ProfileRecord;

bool isFlagValue(int value)
{
    return value == 0 || value == 1;
}

bool isResolution(int value)
{
    return value >= kMinCpiHundreds && value <= kMaxCpiHundreds;
}

bool isLinked(const ProfileRecord& profile, int level)
{
    return profile.XYCpiFlag[level] != 0;
}

CpiRowChange setResolution(ProfileRecord& profile, int level, int hundreds, bool isX)
{
    CpiRowChange change;
    if (!isResolution(hundreds))
        return change;
    change.applied = true;
    std::int32_t& own = isX ? profile.CpiLevel_X[level] : profile.CpiLevel_Y[level];
    std::int32_t& other = isX ? profile.CpiLevel_Y[level] : profile.CpiLevel_X[level];
    bool& ownChanged = isX ? change.xChanged : change.yChanged;
    bool& otherChanged = isX ? change.yChanged : change.xChanged;
    ownChanged = own != hundreds;
    own = hundreds;
    if (isLinked(profile, level) && other != hundreds) {
        other = hundreds;
        otherChanged = true;
    }
    return change;
}

}  // namespace

int cpiHundredsOfSpin(int countsPerInch)
{
    return std::clamp(countsPerInch / kCpiSpinStep, kMinCpiHundreds, kMaxCpiHundreds);
}

CpiRowView cpiRowView(const ProfileRecord& profile, int level)
{
    CpiRowView view;
    if (!settings::isValidCpiLevel(level))
        return view;
    view.active = profile.Cpi_X == level;
    view.enabled = profile.dpi[level] != 0;
    view.enableBoxUsable = !view.active;
    view.controlsUsable = view.enabled;
    view.x = profile.CpiLevel_X[level];
    view.y = profile.CpiLevel_Y[level];
    view.linked = isLinked(profile, level);
    return view;
}

CpiRowChange applyCpiRowCommand(ProfileRecord& profile, int rowId, int subCommand, int value)
{
    const int level = rowId - kFirstCpiRowId;
    CpiRowChange change;
    if (!settings::isValidCpiLevel(level))
        return change;
    switch (static_cast<CpiRowCommand>(subCommand)) {
    case CpiRowCommand::Enable:
        if (!isFlagValue(value) || (value == 0 && profile.Cpi_X == level))
            return change;
        profile.dpi[level] = static_cast<std::uint8_t>(value);
        change.applied = true;
        return change;
    case CpiRowCommand::XResolution:
        return setResolution(profile, level, value, true);
    case CpiRowCommand::YResolution:
        return setResolution(profile, level, value, false);
    case CpiRowCommand::Select:
        if (profile.dpi[level] == 0)
            return change;
        change.applied = true;
        change.activeChanged = profile.Cpi_X != level;
        profile.Cpi_X = level;
        return change;
    case CpiRowCommand::Link:
        if (!isFlagValue(value))
            return change;
        profile.XYCpiFlag[level] = static_cast<std::uint8_t>(value);
        change.applied = true;
        if (value == 1 && profile.CpiLevel_Y[level] != profile.CpiLevel_X[level]) {
            profile.CpiLevel_Y[level] = profile.CpiLevel_X[level];
            change.yChanged = true;
        }
        return change;
    }
    return change;
}

}  // namespace option::core
