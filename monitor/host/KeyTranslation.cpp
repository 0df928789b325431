#include "monitor/host/KeyTranslation.h"

#include "platform/input/VirtualKeys.h"

namespace monitor::host {
namespace {

constexpr std::uint8_t kFirstLayoutUsage = 4;
constexpr std::uint8_t kLastLayoutUsage = 69;

struct UsageRange {
    std::uint8_t firstUsage;
    std::uint8_t lastUsage;
    std::uint8_t firstVirtualKey;
};

// The recorder's key usage table, as runs of consecutive usages.
constexpr UsageRange kUsageTable[] = {
    {4, 29, 65},                                  // A-Z
    {30, 38, 49}, {39, 39, 48},                   // 1-9, 0
    {40, 40, 13}, {41, 41, 27}, {42, 42, 8}, {43, 43, 9}, {44, 44, 32},
    {45, 45, 189}, {46, 46, 187}, {47, 47, 219}, {48, 48, 221}, {49, 49, 220},
    {51, 51, 186}, {52, 52, 222}, {53, 53, 192}, {54, 54, 188}, {55, 55, 190}, {56, 56, 191},
    {57, 57, 20}, {58, 69, 112},                  // Caps Lock, F1-F12
    {70, 70, 44}, {71, 71, 145}, {72, 72, 19},
    {73, 73, 45}, {74, 74, 36}, {75, 75, 33}, {76, 76, 46}, {77, 77, 35}, {78, 78, 34},
    {79, 79, 39}, {80, 80, 37}, {81, 81, 40}, {82, 82, 38},
    {83, 83, 144},
    {84, 84, 111}, {85, 85, 106}, {86, 86, 109}, {87, 87, 107}, {88, 88, 108},
    {89, 97, 97}, {98, 98, 96}, {99, 99, 110},    // keypad 1-9, 0, decimal point
    {101, 101, 93},
    {224, 224, 162}, {225, 225, 160}, {226, 226, 164}, {227, 227, 91},   // left Ctrl, Shift, Alt, Win
    {228, 228, 163}, {229, 229, 161}, {230, 230, 165}, {231, 231, 92},   // right Ctrl, Shift, Alt, Win
};

}  // namespace

std::uint8_t tableVirtualKeyOfUsage(std::uint8_t usage)
{
    for (const UsageRange& range : kUsageTable) {
        if (usage >= range.firstUsage && usage <= range.lastUsage)
            return static_cast<std::uint8_t>(range.firstVirtualKey + (usage - range.firstUsage));
    }
    return 0;
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
