#include "settings/KeyUsageTable.h"

namespace settings {
namespace {

constexpr std::uint8_t kFirstScanCodeUsage = 4;
constexpr std::uint8_t kLastScanCodeUsage = 69;

constexpr KeyUsageRow kRows[] = {
    // A-Z
    {65, 4, 0x1E}, {66, 5, 0x30}, {67, 6, 0x2E}, {68, 7, 0x20}, {69, 8, 0x12}, {70, 9, 0x21},
    {71, 10, 0x22}, {72, 11, 0x23}, {73, 12, 0x17}, {74, 13, 0x24}, {75, 14, 0x25}, {76, 15, 0x26},
    {77, 16, 0x32}, {78, 17, 0x31}, {79, 18, 0x18}, {80, 19, 0x19}, {81, 20, 0x10}, {82, 21, 0x13},
    {83, 22, 0x1F}, {84, 23, 0x14}, {85, 24, 0x16}, {86, 25, 0x2F}, {87, 26, 0x11}, {88, 27, 0x2D},
    {89, 28, 0x15}, {90, 29, 0x2C},
    // 1-9, 0
    {49, 30, 0x02}, {50, 31, 0x03}, {51, 32, 0x04}, {52, 33, 0x05}, {53, 34, 0x06}, {54, 35, 0x07},
    {55, 36, 0x08}, {56, 37, 0x09}, {57, 38, 0x0A}, {48, 39, 0x0B},
    // Enter, Esc, Backspace, Tab, Space
    {13, 40, 0x1C}, {27, 41, 0x01}, {8, 42, 0x0E}, {9, 43, 0x0F}, {32, 44, 0x39},
    // - = [ ] \  and  ; ' ` , . /
    {189, 45, 0x0C}, {187, 46, 0x0D}, {219, 47, 0x1A}, {221, 48, 0x1B}, {220, 49, 0x2B},
    {186, 51, 0x27}, {222, 52, 0x28}, {192, 53, 0x29}, {188, 54, 0x33}, {190, 55, 0x34}, {191, 56, 0x35},
    // Caps Lock, F1-F12
    {20, 57, 0x3A}, {112, 58, 0x3B}, {113, 59, 0x3C}, {114, 60, 0x3D}, {115, 61, 0x3E}, {116, 62, 0x3F},
    {117, 63, 0x40}, {118, 64, 0x41}, {119, 65, 0x42}, {120, 66, 0x43}, {121, 67, 0x44}, {122, 68, 0x57},
    {123, 69, 0x58},
    // Print Screen, Scroll Lock, Pause; Insert, Home, Page Up, Delete, End, Page Down
    {44, 70, 0}, {145, 71, 0}, {19, 72, 0},
    {45, 73, 0}, {36, 74, 0}, {33, 75, 0}, {46, 76, 0}, {35, 77, 0}, {34, 78, 0},
    // Right, Left, Down, Up
    {39, 79, 0}, {37, 80, 0}, {40, 81, 0}, {38, 82, 0},
    // Num Lock, keypad / * - +, the keypad separator taken as keypad Enter
    {144, 83, 0}, {111, 84, 0}, {106, 85, 0}, {109, 86, 0}, {107, 87, 0}, {108, 88, 0},
    // keypad 1-9, 0, decimal point
    {97, 89, 0}, {98, 90, 0}, {99, 91, 0}, {100, 92, 0}, {101, 93, 0}, {102, 94, 0},
    {103, 95, 0}, {104, 96, 0}, {105, 97, 0}, {96, 98, 0}, {110, 99, 0},
    // Application key
    {93, 101, 0},
    // Left Ctrl, Shift, Alt, Win; right Ctrl, Shift, Alt, Win
    {162, 224, 0}, {160, 225, 0}, {164, 226, 0}, {91, 227, 0},
    {163, 228, 0}, {161, 229, 0}, {165, 230, 0}, {92, 231, 0},
    // mouse buttons
    {240, 240, 0}, {241, 241, 0}, {242, 242, 0}, {243, 243, 0}, {244, 244, 0},
};
static_assert(std::size(kRows) == 109);

const KeyUsageRow* rowOfVirtualKey(std::uint8_t virtualKey)
{
    for (const KeyUsageRow& row : kRows)
        if (row.virtualKey == virtualKey)
            return &row;
    return nullptr;
}

}  // namespace

std::span<const KeyUsageRow> keyUsageTable()
{
    return kRows;
}

std::uint8_t recordedUsage(std::uint8_t virtualKey, std::uint16_t scanCode)
{
    const KeyUsageRow* row = rowOfVirtualKey(virtualKey);
    if (row == nullptr)
        return 0;
    if (row->usage < kFirstScanCodeUsage || row->usage > kLastScanCodeUsage || scanCode == 0)
        return row->usage;
    for (const KeyUsageRow& physical : kRows)
        if (physical.scanCode != 0 && physical.scanCode == scanCode)
            return physical.usage;
    return row->usage;
}

std::uint8_t virtualKeyOfUsage(std::uint8_t usage)
{
    for (const KeyUsageRow& row : kRows)
        if (row.usage == usage)
            return row.virtualKey;
    return 0;
}

}  // namespace settings
