#include "platform/input/VirtualKeys.h"

#include <array>

namespace platform {
namespace {

struct KeyRow {
    std::uint8_t virtualKey;
    std::uint16_t scanCode;  // set 1, 0xE0 prefix in the high byte
    std::uint32_t keysym;
};

// Rows that share a scan code list the left/right-specific virtual key first,
// which is the one MAPVK_VSC_TO_VK_EX gives.
constexpr KeyRow kKeys[] = {
    {VK_BACK, 0x0E, 0xFF08},
    {VK_TAB, 0x0F, 0xFF09},
    {0x0C, 0x4C, 0xFF0B},  // VK_CLEAR: keypad 5 without Num Lock
    {VK_RETURN, 0x1C, 0xFF0D},
    {VK_LSHIFT, 0x2A, 0xFFE1},
    {VK_RSHIFT, 0x36, 0xFFE2},
    {VK_LCONTROL, 0x1D, 0xFFE3},
    {VK_RCONTROL, 0xE01D, 0xFFE4},
    {VK_LMENU, 0x38, 0xFFE9},
    {VK_RMENU, 0xE038, 0xFFEA},
    {VK_SHIFT, 0x2A, 0xFFE1},
    {VK_CONTROL, 0x1D, 0xFFE3},
    {VK_MENU, 0x38, 0xFFE9},
    {0x13, 0x45, 0xFF13},  // VK_PAUSE
    {0x14, 0x3A, 0xFFE5},  // VK_CAPITAL
    {VK_ESCAPE, 0x01, 0xFF1B},
    {VK_SPACE, 0x39, 0x0020},
    {0x21, 0xE049, 0xFF55},  // VK_PRIOR
    {0x22, 0xE051, 0xFF56},  // VK_NEXT
    {0x23, 0xE04F, 0xFF57},  // VK_END
    {0x24, 0xE047, 0xFF50},  // VK_HOME
    {VK_LEFT, 0xE04B, 0xFF51},
    {VK_UP, 0xE048, 0xFF52},
    {VK_RIGHT, 0xE04D, 0xFF53},
    {VK_DOWN, 0xE050, 0xFF54},
    {0x2C, 0x54, 0xFF61},    // VK_SNAPSHOT
    {0x2D, 0xE052, 0xFF63},  // VK_INSERT
    {0x2E, 0xE053, 0xFFFF},  // VK_DELETE
    {'0', 0x0B, '0'}, {'1', 0x02, '1'}, {'2', 0x03, '2'}, {'3', 0x04, '3'}, {'4', 0x05, '4'},
    {'5', 0x06, '5'}, {'6', 0x07, '6'}, {'7', 0x08, '7'}, {'8', 0x09, '8'}, {'9', 0x0A, '9'},
    {'A', 0x1E, 'a'}, {'B', 0x30, 'b'}, {'C', 0x2E, 'c'}, {'D', 0x20, 'd'}, {'E', 0x12, 'e'},
    {'F', 0x21, 'f'}, {'G', 0x22, 'g'}, {'H', 0x23, 'h'}, {'I', 0x17, 'i'}, {'J', 0x24, 'j'},
    {'K', 0x25, 'k'}, {'L', 0x26, 'l'}, {'M', 0x32, 'm'}, {'N', 0x31, 'n'}, {'O', 0x18, 'o'},
    {'P', 0x19, 'p'}, {'Q', 0x10, 'q'}, {'R', 0x13, 'r'}, {'S', 0x1F, 's'}, {'T', 0x14, 't'},
    {'U', 0x16, 'u'}, {'V', 0x2F, 'v'}, {'W', 0x11, 'w'}, {'X', 0x2D, 'x'}, {'Y', 0x15, 'y'},
    {'Z', 0x2C, 'z'},
    {VK_LWIN, 0xE05B, 0xFFEB},
    {VK_RWIN, 0xE05C, 0xFFEC},
    {0x5D, 0xE05D, 0xFF67},  // VK_APPS
    {0x60, 0x52, 0xFFB0}, {0x61, 0x4F, 0xFFB1}, {0x62, 0x50, 0xFFB2}, {0x63, 0x51, 0xFFB3},
    {0x64, 0x4B, 0xFFB4}, {0x65, 0x4C, 0xFFB5}, {0x66, 0x4D, 0xFFB6}, {0x67, 0x47, 0xFFB7},
    {0x68, 0x48, 0xFFB8}, {0x69, 0x49, 0xFFB9},  // VK_NUMPAD0-9
    {0x6A, 0x37, 0xFFAA},    // VK_MULTIPLY
    {0x6B, 0x4E, 0xFFAB},    // VK_ADD
    {0x6D, 0x4A, 0xFFAD},    // VK_SUBTRACT
    {0x6E, 0x53, 0xFFAE},    // VK_DECIMAL
    {0x6F, 0xE035, 0xFFAF},  // VK_DIVIDE
    {0x70, 0x3B, 0xFFBE}, {0x71, 0x3C, 0xFFBF}, {0x72, 0x3D, 0xFFC0}, {0x73, 0x3E, 0xFFC1},
    {0x74, 0x3F, 0xFFC2}, {0x75, 0x40, 0xFFC3}, {0x76, 0x41, 0xFFC4}, {0x77, 0x42, 0xFFC5},
    {0x78, 0x43, 0xFFC6}, {0x79, 0x44, 0xFFC7}, {0x7A, 0x57, 0xFFC8}, {0x7B, 0x58, 0xFFC9},  // F1-F12
    {0x7C, 0x64, 0xFFCA}, {0x7D, 0x65, 0xFFCB}, {0x7E, 0x66, 0xFFCC}, {0x7F, 0x67, 0xFFCD},
    {0x80, 0x68, 0xFFCE}, {0x81, 0x69, 0xFFCF}, {0x82, 0x6A, 0xFFD0}, {0x83, 0x6B, 0xFFD1},
    {0x84, 0x6C, 0xFFD2}, {0x85, 0x6D, 0xFFD3}, {0x86, 0x6E, 0xFFD4}, {0x87, 0x76, 0xFFD5},  // F13-F24
    {0x90, 0x45, 0xFF7F},  // VK_NUMLOCK
    {0x91, 0x46, 0xFF14},  // VK_SCROLL
    {VK_VOLUME_MUTE, 0xE020, 0x1008FF12},
    {VK_VOLUME_DOWN, 0xE02E, 0x1008FF11},
    {VK_VOLUME_UP, 0xE030, 0x1008FF13},
    {VK_MEDIA_NEXT_TRACK, 0xE019, 0x1008FF17},
    {VK_MEDIA_PREV_TRACK, 0xE010, 0x1008FF16},
    {VK_MEDIA_STOP, 0xE024, 0x1008FF15},
    {VK_MEDIA_PLAY_PAUSE, 0xE022, 0x1008FF14},
    {0xBA, 0x27, ';'},   // VK_OEM_1
    {0xBB, 0x0D, '='},   // VK_OEM_PLUS
    {0xBC, 0x33, ','},   // VK_OEM_COMMA
    {0xBD, 0x0C, '-'},   // VK_OEM_MINUS
    {0xBE, 0x34, '.'},   // VK_OEM_PERIOD
    {0xBF, 0x35, '/'},   // VK_OEM_2
    {0xC0, 0x29, '`'},   // VK_OEM_3
    {0xDB, 0x1A, '['},   // VK_OEM_4
    {0xDC, 0x2B, '\\'},  // VK_OEM_5
    {0xDD, 0x1B, ']'},   // VK_OEM_6
    {0xDE, 0x28, '\''},  // VK_OEM_7
    {0xE2, 0x56, '<'},   // VK_OEM_102
};

const KeyRow* rowOfVirtualKey(std::uint8_t virtualKey)
{
    for (const KeyRow& row : kKeys)
        if (row.virtualKey == virtualKey) return &row;
    return nullptr;
}

// Keysyms that stand for a key without being the one the table lists for it.
struct KeysymAlias {
    std::uint32_t keysym;
    std::uint8_t virtualKey;
};
constexpr KeysymAlias kAliases[] = {
    {0xFE03, VK_RMENU},    // ISO_Level3_Shift: AltGr
    {0xFF7E, VK_RMENU},    // Mode_switch
    {0xFFE7, VK_LWIN},     // Meta_L
    {0xFFE8, VK_RWIN},     // Meta_R
    {0xFF8D, VK_RETURN},   // KP_Enter
    {0xFF9D, 0x0C},        // KP_Begin
    {0xFE20, VK_TAB},      // ISO_Left_Tab
};

}  // namespace

std::uint16_t usScanCodeOfVirtualKey(std::uint8_t virtualKey)
{
    const KeyRow* row = rowOfVirtualKey(virtualKey);
    return row == nullptr ? 0 : static_cast<std::uint16_t>(row->scanCode & 0xFF);
}

std::uint16_t usExtendedScanCodeOfVirtualKey(std::uint8_t virtualKey)
{
    const KeyRow* row = rowOfVirtualKey(virtualKey);
    return row == nullptr ? 0 : row->scanCode;
}

std::uint8_t usVirtualKeyOfScanCode(std::uint16_t scanCode)
{
    if (scanCode == 0) return 0;
    for (const KeyRow& row : kKeys)
        if (row.scanCode == scanCode) return row.virtualKey;
    return 0;
}

std::uint32_t keysymOfVirtualKey(std::uint8_t virtualKey)
{
    const KeyRow* row = rowOfVirtualKey(virtualKey);
    return row == nullptr ? 0 : row->keysym;
}

std::uint8_t virtualKeyOfKeysym(std::uint32_t keysym)
{
    if (keysym >= 'A' && keysym <= 'Z') keysym += 'a' - 'A';
    for (const KeysymAlias& alias : kAliases)
        if (alias.keysym == keysym) return alias.virtualKey;
    // Left/right-specific rows come first; a plain modifier keysym gives them too.
    for (const KeyRow& row : kKeys)
        if (row.keysym == keysym) return row.virtualKey;
    return 0;
}

}  // namespace platform

namespace platform {
namespace {

struct ScanEvdev {
    std::uint16_t scanCode;
    int evdevCode;
};

// Keys whose evdev code differs from their scan code; the others below 0x59
// are numbered alike in both.
constexpr ScanEvdev kScanToEvdev[] = {
    {0x64, 183}, {0x65, 184}, {0x66, 185}, {0x67, 186}, {0x68, 187}, {0x69, 188},
    {0x6A, 189}, {0x6B, 190}, {0x6C, 191}, {0x6D, 192}, {0x6E, 193}, {0x76, 194},  // F13-F24
    {0x54, 99},                                                                    // SysRq
    {0xE01C, 96}, {0xE01D, 97}, {0xE035, 98}, {0xE037, 99}, {0xE038, 100},
    {0xE047, 102}, {0xE048, 103}, {0xE049, 104}, {0xE04B, 105}, {0xE04D, 106},
    {0xE04F, 107}, {0xE050, 108}, {0xE051, 109}, {0xE052, 110}, {0xE053, 111},
    {0xE05B, 125}, {0xE05C, 126}, {0xE05D, 127},
    {0xE020, 113}, {0xE02E, 114}, {0xE030, 115},
    {0xE019, 163}, {0xE022, 164}, {0xE010, 165}, {0xE024, 166},
};

constexpr std::uint16_t kLastPlainScanCode = 0x58;

}  // namespace

int evdevCodeOfScanCode(std::uint16_t scanCode)
{
    for (const ScanEvdev& row : kScanToEvdev)
        if (row.scanCode == scanCode) return row.evdevCode;
    if (scanCode >= 1 && scanCode <= kLastPlainScanCode) return scanCode;
    return 0;
}

std::uint16_t scanCodeOfEvdevCode(int evdevCode)
{
    for (const ScanEvdev& row : kScanToEvdev)
        if (row.evdevCode == evdevCode) return row.scanCode;
    if (evdevCode >= 1 && evdevCode <= kLastPlainScanCode) return static_cast<std::uint16_t>(evdevCode);
    return 0;
}

}  // namespace platform
