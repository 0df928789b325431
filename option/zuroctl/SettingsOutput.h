#pragma once
// How zuroctl prints a profile: "KEY=VALUE" lines, or one JSON object.
#include <string>

#include "platform/keyboard/KeyboardLayout.h"
#include "settings/SettingsBlock.h"

namespace zuroctl {

std::string profileAsText(const settings::SettingsBlock& block, int profile, const platform::KeyboardLayout& layout);
std::string profileAsJson(const settings::SettingsBlock& block, int profile, const platform::KeyboardLayout& layout);
std::string jsonString(const std::string& text);

}  // namespace zuroctl
