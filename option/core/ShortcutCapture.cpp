#include "option/core/ShortcutCapture.h"

#include "settings/FunctionCodes.h"
#include "settings/KeyUsageTable.h"
#include "settings/ShortcutKey.h"

namespace option::core {
namespace {

constexpr std::uint8_t kModifierBoxes = settings::kShortcutNone | settings::kShortcutShift |
                                        settings::kShortcutCtrl | settings::kShortcutAlt | settings::kShortcutWin;

bool isSingleBox(std::uint8_t box)
{
    return box != 0 && (box & kModifierBoxes) == box && (box & (box - 1)) == 0;
}

}  // namespace

ShortcutCapture ShortcutCapture::forSlot(const settings::ButtonAssignment& slot)
{
    if (slot.FunctionCode != settings::kFunctionShortcut || !settings::hasShortcut(slot))
        return ShortcutCapture(0, 0);
    return ShortcutCapture(settings::shortcutKey(slot), settings::shortcutModifiers(slot));
}

void ShortcutCapture::keyMessage(const KeyMessage& message)
{
    if (const std::uint8_t usage = settings::recordedUsage(message.virtualKey, message.scanCode))
        key_ = usage;
}

bool ShortcutCapture::boxEnabled(std::uint8_t box) const
{
    if (!isSingleBox(box))
        return false;
    return box == settings::kShortcutNone || !boxChecked(settings::kShortcutNone);
}

void ShortcutCapture::toggle(std::uint8_t box)
{
    if (boxEnabled(box))
        boxes_ ^= box;
}

std::optional<ShortcutResult> ShortcutCapture::result() const
{
    if (key_ == 0)
        return std::nullopt;
    if (boxChecked(settings::kShortcutNone))
        return ShortcutResult{key_, settings::kShortcutNone};
    return ShortcutResult{key_, static_cast<std::uint8_t>(boxes_ & kModifierBoxes & ~settings::kShortcutNone)};
}

}  // namespace option::core
