#include "settings/KeyNames.h"

#include "platform/keyboard/KeyboardLayout.h"

namespace settings {
namespace {

constexpr std::uint8_t kUsageEnter = 40;
constexpr std::uint8_t kUsageEscape = 41;
constexpr std::uint8_t kUsageBackspace = 42;
constexpr std::uint8_t kUsageTab = 43;
constexpr std::uint8_t kUsageSpace = 44;
// The non-US "#" key: not in the recorder's key table, so no shortcut holds it.
constexpr std::uint8_t kUsageNonUsHash = 50;
constexpr std::uint8_t kUsageCapsLock = 57;
constexpr std::uint8_t kLastLayoutUsage = 57;

const char* keyNameOfFixedKey(std::uint8_t usage)
{
    static constexpr const char* kFunctionKeys[] = {
        "F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10", "F11", "F12",
    };
    static constexpr const char* kNavigationKeys[] = {
        "Print Screen", "Scroll Lock", "Break", "Insert", "Home", "Page Up", "Delete", "End", "Page Down",
        "Right Arrow", "Left Arrow", "Down Arrow", "Up Arrow",
    };
    static constexpr const char* kKeypadKeys[] = {
        "Num Lock", "Num_/", "Num_*", "Num_-", "Num_+", "Num_Enter", "Num_1", "Num_2", "Num_3",
        "Num_4", "Num_5", "Num_6", "Num_7", "Num_8", "Num_9", "Num_0", "Num_.", "Europe 2", "APP",
    };
    static constexpr const char* kModifierKeys[] = {
        "Left Control", "Left Shift", "Left Alt", "Left GUI",
        "Right Control", "Right Shift", "Right Alt", "Right GUI",
    };
    static constexpr const char* kMouseButtons[] = {
        "Left Button", "Right Button", "Wheel", "Side Button 1", "Side Button 2",
    };
    if (usage >= 58 && usage <= 69)
        return kFunctionKeys[usage - 58];
    if (usage >= 70 && usage <= 82)
        return kNavigationKeys[usage - 70];
    if (usage >= 83 && usage <= 101)
        return kKeypadKeys[usage - 83];
    if (usage == 130)
        return "Sleep";
    if (usage >= 224 && usage <= 231)
        return kModifierKeys[usage - 224];
    if (usage >= 240 && usage <= 244)
        return kMouseButtons[usage - 240];
    return "";
}

}  // namespace

std::string shortcutKeyName(std::uint8_t usage, const platform::KeyboardLayout& layout)
{
    switch (usage) {
    case kUsageEnter:
        return "Enter";
    case kUsageEscape:
        return "Esc";
    case kUsageBackspace:
        return "BackSpace";
    case kUsageTab:
        return "Tab";
    case kUsageSpace:
        return "Space";
    case kUsageCapsLock:
        return "Caps Lock";
    case kUsageNonUsHash:
        return "";
    default:
        break;
    }
    if (usage >= 4 && usage <= kLastLayoutUsage)
        return layout.keyText(usage);
    return keyNameOfFixedKey(usage);
}

std::string macroKeyName(std::uint8_t usage, const platform::KeyboardLayout& layout)
{
    return usage == kUsageNonUsHash ? "Europe 1" : shortcutKeyName(usage, layout);
}

}  // namespace settings
