#pragma once
// Windows virtual-key codes and the set-1 scan codes of a US keyboard, the two
// numberings that key events of the action engine are written in.

#include <cstdint>

namespace platform {

// Virtual keys the host logic names.
inline constexpr std::uint8_t VK_BACK = 0x08;
inline constexpr std::uint8_t VK_TAB = 0x09;
inline constexpr std::uint8_t VK_RETURN = 0x0D;
inline constexpr std::uint8_t VK_SHIFT = 0x10;
inline constexpr std::uint8_t VK_CONTROL = 0x11;
inline constexpr std::uint8_t VK_MENU = 0x12;
inline constexpr std::uint8_t VK_ESCAPE = 0x1B;
inline constexpr std::uint8_t VK_SPACE = 0x20;
inline constexpr std::uint8_t VK_LEFT = 0x25;
inline constexpr std::uint8_t VK_UP = 0x26;
inline constexpr std::uint8_t VK_RIGHT = 0x27;
inline constexpr std::uint8_t VK_DOWN = 0x28;
inline constexpr std::uint8_t VK_LWIN = 0x5B;
inline constexpr std::uint8_t VK_RWIN = 0x5C;
inline constexpr std::uint8_t VK_LSHIFT = 0xA0;
inline constexpr std::uint8_t VK_RSHIFT = 0xA1;
inline constexpr std::uint8_t VK_LCONTROL = 0xA2;
inline constexpr std::uint8_t VK_RCONTROL = 0xA3;
inline constexpr std::uint8_t VK_LMENU = 0xA4;
inline constexpr std::uint8_t VK_RMENU = 0xA5;
inline constexpr std::uint8_t VK_VOLUME_MUTE = 0xAD;
inline constexpr std::uint8_t VK_VOLUME_DOWN = 0xAE;
inline constexpr std::uint8_t VK_VOLUME_UP = 0xAF;
inline constexpr std::uint8_t VK_MEDIA_NEXT_TRACK = 0xB0;
inline constexpr std::uint8_t VK_MEDIA_PREV_TRACK = 0xB1;
inline constexpr std::uint8_t VK_MEDIA_STOP = 0xB2;
inline constexpr std::uint8_t VK_MEDIA_PLAY_PAUSE = 0xB3;

// Set-1 scan codes above 0xFF carry the 0xE0 prefix in their high byte
// (right Ctrl is 0xE01D), as MAPVK_VSC_TO_VK_EX takes them.
inline constexpr std::uint16_t kExtendedScanPrefix = 0xE000;

// The scan code of `virtualKey` on a US keyboard, without the extended prefix
// (MAPVK_VK_TO_VSC); 0 for a virtual key that has no key.
std::uint16_t usScanCodeOfVirtualKey(std::uint8_t virtualKey);

// The same with the 0xE0 prefix of extended keys kept in the high byte, so the
// key can be told from the keypad or main-block key of the same low byte.
std::uint16_t usExtendedScanCodeOfVirtualKey(std::uint8_t virtualKey);

// The virtual key of the key with set-1 scan code `scanCode` (0xE0 prefix in the
// high byte for extended keys) on a US keyboard, telling left and right
// modifiers apart (MAPVK_VSC_TO_VK_EX); 0 for an unknown scan code.
std::uint8_t usVirtualKeyOfScanCode(std::uint16_t scanCode);

// The X keysym a virtual key stands for in the US layout (letters lower case,
// digits and punctuation of the unshifted key); 0 when there is none.
std::uint32_t keysymOfVirtualKey(std::uint8_t virtualKey);

// The virtual key of an X keysym, the inverse of keysymOfVirtualKey (a capital
// letter gives its letter's key); 0 when no virtual key stands for it.
std::uint8_t virtualKeyOfKeysym(std::uint32_t keysym);

// The Linux input key code (evdev) of the key with set-1 scan code `scanCode`
// (0xE0 prefix in the high byte), and back; X keycodes are evdev codes + 8.
// 0 for codes without a key.
int evdevCodeOfScanCode(std::uint16_t scanCode);
std::uint16_t scanCodeOfEvdevCode(int evdevCode);

}  // namespace platform
