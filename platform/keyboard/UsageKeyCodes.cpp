#include "platform/keyboard/UsageKeyCodes.h"

#include <array>

namespace platform {
namespace {

// By usage 0x00-0x67 and 0xE0-0xE7, as the kernel maps the keyboard page.
constexpr std::array<std::uint8_t, 0x68> kKeyboardPage = {
    0,   0,   0,   0,   30,  48,  46,  32,  18,  33,  34,  35,  23,  36,  37,  38,   // 0x00: A-L
    50,  49,  24,  25,  16,  19,  31,  20,  22,  47,  17,  45,  21,  44,  2,   3,    // 0x10: M-Z, 1-2
    4,   5,   6,   7,   8,   9,   10,  11,  28,  1,   14,  15,  57,  12,  13,  26,   // 0x20: 3-0, Enter ... [
    27,  43,  43,  39,  40,  41,  51,  52,  53,  58,  59,  60,  61,  62,  63,  64,   // 0x30: ] \ # ; ' ` , . / Caps F1-F6
    65,  66,  67,  68,  87,  88,  99,  70,  119, 110, 102, 104, 111, 107, 109, 106,  // 0x40: F7-F12, Print ... Right
    105, 108, 103, 69,  98,  55,  74,  78,  96,  79,  80,  81,  75,  76,  77,  71,   // 0x50: Left ... keypad 7
    72,  73,  82,  83,  86,  127, 116, 117,                                          // 0x60: keypad 8 ... Power, keypad =
};

constexpr std::uint8_t kFirstModifier = 0xE0;
// Left Ctrl, Shift, Alt, Meta, then the right ones.
constexpr std::array<std::uint8_t, 8> kModifiers = {29, 42, 56, 125, 97, 54, 100, 126};

// The keyboard page's 0x82 is a locking Scroll Lock, which the kernel leaves
// without a key; our stores name usage 130 "Sleep" (the system sleep usage).
constexpr std::uint8_t kUsageSleep = 130;
constexpr int kKeySleep = 142;

}  // namespace

int evdevKeyCodeOfUsage(std::uint8_t usage)
{
    if (usage < kKeyboardPage.size()) return kKeyboardPage[usage];
    if (usage >= kFirstModifier && usage - kFirstModifier < static_cast<int>(kModifiers.size()))
        return kModifiers[usage - kFirstModifier];
    if (usage == kUsageSleep) return kKeySleep;
    return 0;
}

}  // namespace platform
