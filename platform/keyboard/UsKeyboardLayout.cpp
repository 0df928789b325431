#include "platform/keyboard/KeyboardLayout.h"

namespace platform {
namespace {

constexpr std::uint8_t kFirstUsage = 4;
constexpr std::uint8_t kLastUsage = 57;

// Usages 4-57 in order: letters, digits, then Enter, Esc, Backspace, Tab, Space,
// punctuation and Caps Lock. Keys that type no printable text are "".
constexpr const char* kUsText[kLastUsage - kFirstUsage + 1] = {
    "A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M",
    "N", "O", "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z",
    "1", "2", "3", "4", "5", "6", "7", "8", "9", "0",
    "", "", "", "", " ",
    "-", "=", "[", "]", "\\", "\\", ";", "'", "`", ",", ".", "/",
    "",
};

bool inRange(std::uint8_t usage)
{
    return usage >= kFirstUsage && usage <= kLastUsage;
}

}  // namespace

std::string usKeyText(std::uint8_t usage)
{
    return inRange(usage) ? kUsText[usage - kFirstUsage] : "";
}

}  // namespace platform
