#include "monitor/host/KeyTranslation.h"

#include "platform/input/VirtualKeys.h"
#include "settings/KeyUsageTable.h"
#include "settings/MacroEvent.h"

namespace monitor::host {
namespace {

constexpr std::uint8_t kFirstLayoutUsage = 4;
constexpr std::uint8_t kLastLayoutUsage = 69;

}  // namespace

std::uint8_t tableVirtualKeyOfUsage(std::uint8_t usage)
{
    // Mouse buttons share the table but are no keys.
    return usage >= settings::kMacroKeyLeftButton ? 0 : settings::virtualKeyOfUsage(usage);
}

std::uint8_t KeyTranslator::layoutVirtualKey(std::uint8_t usage) const
{
    const std::uint8_t tableKey = tableVirtualKeyOfUsage(usage);
    if (tableKey == 0 || usage < kFirstLayoutUsage || usage > kLastLayoutUsage) return tableKey;
    const std::uint16_t scanCode = platform::usScanCodeOfVirtualKey(tableKey);
    return scanCode == 0 ? 0 : injector_.virtualKeyOfScanCode(scanCode);
}

bool KeyTranslator::sendVirtualKey(std::uint8_t virtualKey, platform::KeyAction action) const
{
    if (virtualKey == 0) return false;
    return injector_.sendKey(virtualKey, injector_.scanCodeOfVirtualKey(virtualKey), action);
}

bool KeyTranslator::sendUsage(std::uint8_t usage, platform::KeyAction action) const
{
    const std::uint8_t key = virtualKey(usage);
    return key != 0 && injector_.sendUsageKey(foldModifierUsage(usage), key, action);
}

}  // namespace monitor::host
