#include "settings/SlotCaption.h"

#include "settings/FixedText.h"
#include "settings/FunctionCodes.h"
#include "settings/KeyNames.h"
#include "settings/ShortcutKey.h"

namespace settings {
namespace {

constexpr long long kCpiUnit = 100;
constexpr std::string_view kParleyPrefix = "Dualkey[+] ";
constexpr std::string_view kParleyLockSuffix = " Lock";

}  // namespace

std::string shortcutCaption(std::uint8_t key, std::uint8_t modifiers, const platform::KeyboardLayout& layout)
{
    std::string caption;
    if ((modifiers & kShortcutNone) == 0) {
        if (modifiers & kShortcutCtrl)
            caption += "Ctrl+";
        if (modifiers & kShortcutShift)
            caption += "Shift+";
        if (modifiers & kShortcutAlt)
            caption += "Alt+";
        if (modifiers & kShortcutWin)
            caption += "Win+";
    }
    return caption + shortcutKeyName(key, layout);
}

std::string programFileCaption(std::string_view path)
{
    if (path.size() >= 2 && path[1] == ':')
        path.remove_prefix(2);
    const auto separator = path.find_last_of("/\\");
    if (separator != std::string_view::npos)
        path.remove_prefix(separator + 1);
    return std::string(path);
}

std::string pinpointCaption(const ProfileRecord& profile, int level)
{
    if (level < 0 || level >= kCpiLevelCount)
        return {};
    // 64 bits: a resolution read from a file may be any int.
    const long long resolution = profile.CpiLevel_X[level] * kCpiUnit;
    return "Pinpoint " + std::to_string(resolution) + " DPI";
}

std::string slotCaption(const ButtonAssignment& slot, const ProfileRecord& profile,
                        const platform::KeyboardLayout& layout)
{
    const FunctionCodeInfo* info = findFunctionCode(slot.FunctionCode);
    if (info == nullptr)
        return {};
    switch (info->captionKind) {
    case CaptionKind::Fixed:
        return info->caption;
    case CaptionKind::Shortcut:
        return hasShortcut(slot) ? shortcutCaption(shortcutKey(slot), shortcutModifiers(slot), layout)
                                 : std::string();
    case CaptionKind::ProgramFile:
        return programFileCaption(fieldText(slot.ProgramPath));
    case CaptionKind::MacroName:
        return std::string(fieldText(slot.MacroName));
    case CaptionKind::TimerName:
        return std::string(fieldText(slot.TimerName));
    case CaptionKind::Pinpoint:
        return pinpointCaption(profile, pinpointLevel(slot.FunctionCode));
    case CaptionKind::ParleyDevice:
        return std::string(kParleyPrefix) + std::string(fieldText(slot.DeviceName));
    case CaptionKind::ParleyDeviceLock:
        return std::string(kParleyPrefix) + std::string(fieldText(slot.DeviceName)) + std::string(kParleyLockSuffix);
    }
    return {};
}

}  // namespace settings
