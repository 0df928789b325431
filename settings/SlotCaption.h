#pragma once
// The caption of a button slot on the button page, composed from its function
// code and the slot's data; drawn for every slot whenever the page is drawn.

#include <cstdint>
#include <string>
#include <string_view>

#include "settings/ButtonAssignment.h"
#include "settings/ProfileRecord.h"

namespace platform {
class KeyboardLayout;
}

namespace settings {

// `profile` is the slot's own profile: Pinpoint captions follow its CPI levels.
std::string slotCaption(const ButtonAssignment& slot, const ProfileRecord& profile,
                        const platform::KeyboardLayout& layout);

// "Ctrl+", "Shift+", "Alt+", "Win+" (in that order, as set) and the key's name;
// no prefix when "None" is set.
std::string shortcutCaption(std::uint8_t key, std::uint8_t modifiers, const platform::KeyboardLayout& layout);

// The file name and extension of a program path; '\\' and '/' both separate.
std::string programFileCaption(std::string_view path);

// "Pinpoint %d DPI" with CPI level `level`'s X resolution; "" for a level
// outside 0-4.
std::string pinpointCaption(const ProfileRecord& profile, int level);

}  // namespace settings
