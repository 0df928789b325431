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

// Set-1 scan codes, which are the evdev key codes of these keys.
constexpr std::uint8_t kEvdevCode[kLastUsage - kFirstUsage + 1] = {
    30, 48, 46, 32, 18, 33, 34, 35, 23, 36, 37, 38, 50,
    49, 24, 25, 16, 19, 31, 20, 22, 47, 17, 45, 21, 44,
    2, 3, 4, 5, 6, 7, 8, 9, 10, 11,
    28, 1, 14, 15, 57,
    12, 13, 26, 27, 43, 43, 39, 40, 41, 51, 52, 53,
    58,
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

int evdevKeyCodeOfUsage(std::uint8_t usage)
{
    return inRange(usage) ? kEvdevCode[usage - kFirstUsage] : 0;
}

}  // namespace platform
