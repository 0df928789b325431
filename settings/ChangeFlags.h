#pragma once
// The change flags tell the monitor what to send to the mouse on an apply.

#include "settings/SettingsBlock.h"

namespace settings {

// Zeroes the 120 button flags and the seven flags after them; `DisControl` stays.
void clearChangeFlags(SettingsBlock& block);

// Sets every change flag to 1 so that the whole block is rewritten to the mouse.
void forceAllChangeFlags(SettingsBlock& block);

// Sets the flags of `after` for what differs from `before`. Flags already set in
// `after` (button flags set by the pages) stay set; nothing is cleared here.
void computeChangeFlags(const SettingsBlock& before, SettingsBlock& after);

// Whether the fields of a profile that the mouse keeps differ.
bool deviceProfileFieldsDiffer(const ProfileRecord& before, const ProfileRecord& after);

// Sets the 24 button flags of a profile slot; a slot outside 0-4 is ignored.
void setAllButtonFlags(SettingsBlock& block, int profile);

}  // namespace settings
