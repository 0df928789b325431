#include "platform/input/VirtualKeys.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(VirtualKeys, ScanCodesOfUsKeyboard)
{
    EXPECT_EQ(usScanCodeOfVirtualKey('A'), 0x1E);
    EXPECT_EQ(usScanCodeOfVirtualKey('Y'), 0x15);
    EXPECT_EQ(usScanCodeOfVirtualKey('0'), 0x0B);
    EXPECT_EQ(usScanCodeOfVirtualKey(0x7A), 0x57);  // F11
    EXPECT_EQ(usScanCodeOfVirtualKey(0x7B), 0x58);  // F12
    EXPECT_EQ(usScanCodeOfVirtualKey(VK_CONTROL), 0x1D);
    // Extended keys lose their prefix, as MAPVK_VK_TO_VSC gives them.
    EXPECT_EQ(usScanCodeOfVirtualKey(VK_RCONTROL), 0x1D);
    EXPECT_EQ(usScanCodeOfVirtualKey(VK_LEFT), 0x4B);
    EXPECT_EQ(usScanCodeOfVirtualKey(0xFF), 0);
}

TEST(VirtualKeys, VirtualKeyOfScanCodeTellsLeftFromRight)
{
    EXPECT_EQ(usVirtualKeyOfScanCode(0x2A), VK_LSHIFT);
    EXPECT_EQ(usVirtualKeyOfScanCode(0x36), VK_RSHIFT);
    EXPECT_EQ(usVirtualKeyOfScanCode(0x1D), VK_LCONTROL);
    EXPECT_EQ(usVirtualKeyOfScanCode(0xE01D), VK_RCONTROL);
    EXPECT_EQ(usVirtualKeyOfScanCode(0xE038), VK_RMENU);
    EXPECT_EQ(usVirtualKeyOfScanCode(0x2C), 'Z');
    EXPECT_EQ(usVirtualKeyOfScanCode(0), 0);
    EXPECT_EQ(usVirtualKeyOfScanCode(0x7F), 0);
}

TEST(VirtualKeys, EveryCharacterKeyRoundTripsThroughItsScanCodeAndKeysym)
{
    for (int key = 0; key < 256; ++key) {
        const auto vk = static_cast<std::uint8_t>(key);
        const bool character = (key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z') ||
                               (key >= 0xBA && key <= 0xC0) || (key >= 0xDB && key <= 0xDE);
        if (!character) continue;
        SCOPED_TRACE(key);
        EXPECT_EQ(usVirtualKeyOfScanCode(usScanCodeOfVirtualKey(vk)), vk);
        EXPECT_EQ(virtualKeyOfKeysym(keysymOfVirtualKey(vk)), vk);
    }
}

TEST(VirtualKeys, KeysymsOfLettersModifiersAndMediaKeys)
{
    EXPECT_EQ(keysymOfVirtualKey('Q'), 'q');
    EXPECT_EQ(virtualKeyOfKeysym('Q'), 'Q');
    EXPECT_EQ(keysymOfVirtualKey(VK_SHIFT), 0xFFE1u);  // Shift_L
    EXPECT_EQ(keysymOfVirtualKey(VK_RMENU), 0xFFEAu);  // Alt_R
    EXPECT_EQ(keysymOfVirtualKey(VK_MEDIA_NEXT_TRACK), 0x1008FF17u);
    EXPECT_EQ(keysymOfVirtualKey(VK_MEDIA_PLAY_PAUSE), 0x1008FF14u);
    EXPECT_EQ(virtualKeyOfKeysym(0xFE03), VK_RMENU);  // AltGr
    EXPECT_EQ(virtualKeyOfKeysym(0x00E4), 0);         // a-umlaut has no key of its own
}

TEST(VirtualKeys, EvdevCodesOfScanCodes)
{
    EXPECT_EQ(evdevCodeOfScanCode(0x1E), 30);     // KEY_A
    EXPECT_EQ(evdevCodeOfScanCode(0x58), 88);     // KEY_F12
    EXPECT_EQ(evdevCodeOfScanCode(0xE04B), 105);  // KEY_LEFT
    EXPECT_EQ(evdevCodeOfScanCode(0xE01D), 97);   // KEY_RIGHTCTRL
    EXPECT_EQ(evdevCodeOfScanCode(0x64), 183);    // KEY_F13
    EXPECT_EQ(evdevCodeOfScanCode(0xE0FF), 0);
    EXPECT_EQ(evdevCodeOfScanCode(0x7F), 0);
    EXPECT_EQ(scanCodeOfEvdevCode(105), 0xE04B);
    EXPECT_EQ(scanCodeOfEvdevCode(30), 0x1E);
    EXPECT_EQ(scanCodeOfEvdevCode(0), 0);
    EXPECT_EQ(scanCodeOfEvdevCode(500), 0);
}

}  // namespace
}  // namespace platform
