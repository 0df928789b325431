#pragma once
// `zuroctl show` for a person: a profile's name and state, its CPI levels with
// the current one marked, polling rate, lighting and every button slot by its
// caption, read at a glance.
#include <string>

#include "platform/keyboard/KeyboardLayout.h"
#include "settings/SettingsBlock.h"

namespace zuroctl {

// `profile` is 0-4; values read from files that lie outside their ranges are
// shown as unknown, never used as an index.
std::string profileSummary(const settings::SettingsBlock& block, int profile, const platform::KeyboardLayout& layout);

}  // namespace zuroctl
